// The zone part of the input panel: the row and the daylight-saving tick,
// the exact offset that replaces them, the atlas's proposal following the
// date and clock time, and the choice of a clock time that came twice.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/panel/input_panel.h"
#include "form/birth_summary.h"
#include "form/record_filling.h"
#include "form/zone_distance.h"
#include "places/place_filling.h"
#include "platform/qt_text.h"
#include "tables/zone_table.h"
#include "text/utc_offset_text.h"

namespace sarovin {

void InputPanel::FollowZoneChoice() {
    connect(cboTimeZone_, &QComboBox::activated, this, &InputPanel::TakeRowByHand);
    connect(chkDST_, &QCheckBox::clicked, this, &InputPanel::TakeRowByHand);
    connect(txtUtcOffset_, &QLineEdit::textEdited, this, &InputPanel::TakeTypedOffset);
    connect(cmdFirstTime_, &QPushButton::clicked, this, [this] { ChooseRepeatedTime(0); });
    connect(cmdSecondTime_, &QPushButton::clicked, this, [this] { ChooseRepeatedTime(1); });
    connect(cboTimeZone_, &QComboBox::currentIndexChanged, this, &InputPanel::ShowZoneDistance);
    connect(chkDST_, &QCheckBox::toggled, this, &InputPanel::ShowZoneDistance);
    for (QLineEdit* box : {txtUtcOffset_, txtLonDeg_, txtLonMin_}) {
        connect(box, &QLineEdit::textChanged, this, &InputPanel::ShowZoneDistance);
    }
    connect(optLong_, &QButtonGroup::idToggled, this, &InputPanel::ShowZoneDistance);
}

// A row far from the longitude's mean time is worth a word beneath the
// list, without changing what is calculated.
void InputPanel::ShowZoneDistance() {
    const QString note = ToQString(ZoneDistanceNote(ReadForm()));
    lblZoneDistance_->setText(note);
    fields_->setRowVisible(lblZoneDistance_, !note.isEmpty());
}

void InputPanel::ProposeZone() {
    if (!chosenPlace_ || zoneSetByHand_) {
        return;
    }
    InputForm form = ReadForm();
    const ZoneProposal proposal = ProposeZoneFor(*chosenPlace_, form);
    ApplyZoneProposal(proposal, chosenPlace_->zoneId, form);
    ShowZone(form);
    OfferRepeatedTimes(proposal);
    ShowZoneNote(ToQString(proposal.note));
}

void InputPanel::ChooseRepeatedTime(std::size_t which) {
    if (which >= repeatedTimes_.size() || !chosenPlace_) {
        return;
    }
    const ZoneProposal chosen = repeatedTimes_[which];
    InputForm form = ReadForm();
    ApplyZoneProposal(chosen, chosenPlace_->zoneId, form);
    ShowZone(form);
    OfferRepeatedTimes({});
    ShowZoneNote(lblZoneNote_->text() + QStringLiteral("; chosen: ") + ToQString(chosen.note));
}

void InputPanel::OfferRepeatedTimes(const ZoneProposal& proposal) {
    repeatedTimes_ = proposal.repeated;
    cmdFirstTime_->setVisible(!repeatedTimes_.empty());
    cmdSecondTime_->setVisible(!repeatedTimes_.empty());
}

// The note's row takes room only while there is a note. Showing the row
// shows all it holds, so the two buttons are then shown only while the
// instants of a repeated clock time wait.
void InputPanel::ShowZoneNote(const QString& note) {
    lblZoneNote_->setText(note);
    // Read with the zone list too, where the focus is when it matters.
    cboTimeZone_->setAccessibleDescription(note);
    fields_->setRowVisible(zoneNoteRow_, !note.isEmpty());
    cmdFirstTime_->setVisible(!repeatedTimes_.empty());
    cmdSecondTime_->setVisible(!repeatedTimes_.empty());
}

void InputPanel::ShowZone(const InputForm& form) {
    if (form.zonePosition >= 0 && form.zonePosition < cboTimeZone_->count()) {
        rowBehindOffset_ = form.zonePosition;
    }
    chkDST_->setChecked(form.daylightSaving);
    txtUtcOffset_->setText(ToQString(form.utcOffset));
    offsetZone_ = form.offsetZone;
    zoneUnsettled_ = form.zoneUnsettled;
    if (form.utcOffset.empty()) {
        ReturnToRows();
    } else {
        ShowExactOffset();
    }
}

// The list shows no row while an exact offset is in force, only what is
// used instead; choosing a row returns to the rows.
void InputPanel::ShowExactOffset() {
    if (cboTimeZone_->currentIndex() >= 0) {
        rowBehindOffset_ = cboTimeZone_->currentIndex();
    }
    InputForm offset;
    offset.utcOffset = txtUtcOffset_->text().toStdString();
    offset.offsetZone = offsetZone_;
    BirthRecord record;
    record.exactOffset = ExactOffsetOf(offset);
    cboTimeZone_->setPlaceholderText(
        record.exactOffset
            ? QStringLiteral("Exact offset in force: ") + ToQString(ZoneUsedText(record, 0))
            : QStringLiteral("Exact offset in force: not yet a valid offset"));
    cboTimeZone_->setCurrentIndex(-1);
}

void InputPanel::ReturnToRows() {
    cboTimeZone_->setPlaceholderText({});
    cboTimeZone_->setCurrentIndex(rowBehindOffset_);
}

// A row or tick set by hand ends the exact offset and the proposal.
void InputPanel::TakeRowByHand() {
    zoneSetByHand_ = true;
    zoneUnsettled_.clear();
    OfferRepeatedTimes({});
    if (cboTimeZone_->currentIndex() >= 0) {
        rowBehindOffset_ = cboTimeZone_->currentIndex();
    }
    txtUtcOffset_->clear();
    offsetZone_.clear();
    ReturnToRows();
}

// A typed offset is the person's own and ends the proposal; emptied, the
// rows are back.
void InputPanel::TakeTypedOffset() {
    zoneSetByHand_ = true;
    zoneUnsettled_.clear();
    OfferRepeatedTimes({});
    offsetZone_.clear();
    if (txtUtcOffset_->text().isEmpty()) {
        ReturnToRows();
    } else {
        ShowExactOffset();
    }
}

}  // namespace sarovin
