#pragma once

#include <QObject>
#include <vector>

#include "atlas/place.h"

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace sarovin {

// Offers the atlas's places matching what is typed in a box as a list to
// choose from ("Ujjain, Madhya Pradesh, India"), and announces the place
// chosen.
class PlaceCompleter : public QObject {
    Q_OBJECT

  public:
    explicit PlaceCompleter(QLineEdit* box);

  signals:
    void PlaceChosen(const Place& place);

  private:
    void OfferPlacesFor(const QString& text);

    QStringListModel* labels_;
    QCompleter* completer_;
    std::vector<Place> offered_;
};

}  // namespace sarovin
