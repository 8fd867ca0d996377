#pragma once

#include <QGroupBox>
#include <optional>
#include <string>
#include <vector>

#include "atlas/place.h"
#include "places/zone_proposal.h"

#include "form/input_checks.h"
#include "form/input_form.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLayout;
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
    void FollowZoneChoice();
    void ProposeZone();
    void ForgetPlace();
    void ShowZoneNote(const QString& note);
    void ShowZoneDistance();
    // The zone part of a form on the panel: the row and tick, or the exact
    // offset shown in the zone list's place, and what is left unsettled.
    void ShowZone(const InputForm& form);
    void ShowExactOffset();
    void ReturnToRows();
    void TakeRowByHand();
    void TakeTypedOffset();
    void ChooseRepeatedTime(std::size_t which);
    void OfferRepeatedTimes(const ZoneProposal& proposal);

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
    QLabel* lblZoneDistance_;
    QLayout* zoneNoteRow_ = nullptr;
    // The fields' rows, inside the panel's scroll area.
    QFormLayout* fields_ = nullptr;
    QLineEdit* txtUtcOffset_;
    QPushButton* cmdFirstTime_;
    QPushButton* cmdSecondTime_;
    std::optional<Place> chosenPlace_;
    bool zoneSetByHand_ = false;
    // The zone row kept behind an exact offset, for a return to the rows.
    int rowBehindOffset_ = 0;
    // The atlas's zone of an exact offset it set; empty when typed.
    std::string offsetZone_;
    std::string zoneUnsettled_;
    // The two instants of a clock time that came twice, while they wait.
    std::vector<ZoneProposal> repeatedTimes_;
};

}  // namespace sarovin
