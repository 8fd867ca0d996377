#pragma once

#include <QGroupBox>
#include <optional>

#include "atlas/place.h"

#include "form/input_checks.h"
#include "form/input_form.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sarovin {

// "Personal Details": the birth data a person types, mirrored to and from
// an InputForm. The panel knows nothing of calculations; it announces its
// three buttons.
class InputPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit InputPanel(QWidget* parent = nullptr);

    InputForm ReadForm() const;
    // Puts a whole form on the panel; a place chosen from the atlas before
    // is forgotten.
    void WriteForm(const InputForm& form);
    // Fills the place, its coordinates and the zone its clocks kept at the
    // date and time on the panel, and keeps proposing the zone as the date
    // and time change until the zone or the tick is set by hand.
    void ChoosePlace(const Place& place);
    // Chooses the form's hemispheres; a hemisphere of None leaves its pair.
    void WriteHemispheres(const InputForm& form);
    // The box behind a check or filter; nullptr for InputField::None.
    QLineEdit* Box(InputField field) const;
    // The eight text boxes: the letter boxes first, then the degree boxes.
    QList<QLineEdit*> LetterBoxes() const;
    QList<QLineEdit*> DegreeBoxes() const;

  signals:
    void CalculateRequested();
    void OpenRequested();
    void PlaceLookupRequested();

  private:
    QLineEdit* AddTextBox(const char* name, int maxLength = 0);
    QComboBox* AddList(const char* name, const QStringList& items);
    QWidget* BuildHemisphereFrame(const char* frameName, const char* buttonName, const char* first,
                                  const char* second, QButtonGroup*& group);
    QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) const;
    void BuildLayout();
    void NameForScreenReaders();
    void SetTabOrder();
    void FollowPlaceChoice();
    void ProposeZone();
    void ForgetPlace();
    void ShowZoneNote(const QString& note);

    QLineEdit* txtName_;
    QComboBox* cboDate_;
    QComboBox* cboMonth_;
    QComboBox* cboYear_;
    QComboBox* cboHour_;
    QComboBox* cboMinute_;
    QComboBox* cboTimeZone_;
    QLineEdit* txtLatDeg_;
    QLineEdit* txtLatMin_;
    QLineEdit* txtLonDeg_;
    QLineEdit* txtLonMin_;
    QLineEdit* txtCity_;
    QLineEdit* txtState_;
    QLineEdit* txtCountry_;
    QPushButton* cmdCalculate_;
    QPushButton* cmdOpen_;
    QCheckBox* chkDST_;
    QButtonGroup* optLong_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QWidget* fraLong_;
    QWidget* fraLat_;
    QPushButton* command1_;
    QLabel* lblZoneNote_;
    std::optional<Place> chosenPlace_;
    bool zoneSetByHand_ = false;
};

}  // namespace sarovin
