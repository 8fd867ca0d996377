#include "app/panel/place_completer.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

#include "atlas/place_search.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

// Fewer letters match too many places to be of help.
constexpr qsizetype FIRST_LETTERS_TO_SEARCH = 2;
constexpr std::size_t PLACES_OFFERED = 15;

}  // namespace

PlaceCompleter::PlaceCompleter(QLineEdit* box)
    : QObject(box), labels_(new QStringListModel(this)), completer_(new QCompleter(labels_, this)) {
    // The atlas has already matched accents and parts of names; the list
    // shows its answer as it is.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setWidget(box);
    completer_->popup()->setObjectName(QStringLiteral("lstPlaces"));
    completer_->popup()->setAccessibleName(QStringLiteral("Places found"));
    connect(box, &QLineEdit::textEdited, this, &PlaceCompleter::OfferPlacesFor);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                if (index.row() >= 0 && static_cast<std::size_t>(index.row()) < offered_.size()) {
                    emit PlaceChosen(offered_[static_cast<std::size_t>(index.row())]);
                }
            });
}

void PlaceCompleter::OfferPlacesFor(const QString& text) {
    offered_.clear();
    if (text.trimmed().size() >= FIRST_LETTERS_TO_SEARCH) {
        offered_ = FindPlaces(text.toStdString(), PLACES_OFFERED);
    }
    QStringList labels;
    for (const Place& place : offered_) {
        labels << ToQString(place.Label());
    }
    labels_->setStringList(labels);
    // A screen reader hears how many places the list below the box holds.
    completer_->popup()->setAccessibleDescription(
        (labels.size() == 1 ? QStringLiteral("1 place matches")
                            : QStringLiteral("%1 places match").arg(labels.size())) +
        QStringLiteral("; Down chooses among them"));
    if (labels.isEmpty()) {
        completer_->popup()->hide();
    } else {
        completer_->complete();
    }
}

}  // namespace sarovin
