#include "app/panel/input_panel.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/panel/place_completer.h"
#include "app/widgets/list_accessibility.h"
#include "app/widgets/scrolled_content.h"
#include "form/list_items.h"
#include "links/program_texts.h"
#include "places/place_filling.h"
#include "platform/qt_text.h"
#include "tables/zone_table.h"

namespace sarovin {

namespace {

QStringList ToStringList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) {
        list << ToQString(item);
    }
    return list;
}

QStringList ZoneLabels() {
    QStringList labels;
    for (int row = 0; row < ZONE_COUNT; ++row) {
        labels << ToQString(ZoneLabelAt(row));
    }
    return labels;
}

QLabel* CaptionLabel(QWidget* parent, int index, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lblLabel_%1").arg(index));
    return label;
}

std::string Text(const QLineEdit* box) {
    return box->text().toStdString();
}

void SetText(QLineEdit* box, const std::string& text) {
    box->setText(ToQString(text));
}

// A position of a list, kept as it is when the list has no such item.
void Choose(QComboBox* list, int position) {
    if (position >= 0 && position < list->count()) {
        list->setCurrentIndex(position);
    }
}

}  // namespace

InputPanel::InputPanel(QWidget* parent) : QGroupBox(QStringLiteral("Personal Details"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    NameListsByTheirAccessibleName();
    const ListItems& items = StandardListItems();
    txtName_ = AddTextBox("txtName");
    cboDate_ = AddList("cboDate", ToStringList(items.days));
    cboMonth_ = AddList("cboMonth", ToStringList(items.months));
    cboYear_ = AddList("cboYear", ToStringList(items.years));
    cboHour_ = AddList("cboHour", ToStringList(items.hours));
    cboMinute_ = AddList("cboMinute", ToStringList(items.minutes));
    cboTimeZone_ = AddList("cboTimeZone", ZoneLabels());
    txtLatDeg_ = AddTextBox("txtLatDeg", DEGREE_BOX_LENGTH);
    txtLatMin_ = AddTextBox("txtLatMin", DEGREE_BOX_LENGTH);
    txtLonDeg_ = AddTextBox("txtLonDeg", DEGREE_BOX_LENGTH);
    txtLonMin_ = AddTextBox("txtLonMin", DEGREE_BOX_LENGTH);
    txtCity_ = AddTextBox("txtCity");
    txtState_ = AddTextBox("txtState");
    txtCountry_ = AddTextBox("txtCountry");
    cmdCalculate_ = new QPushButton(QStringLiteral("&Get My Vedic Drishti"), this);
    cmdCalculate_->setObjectName(QStringLiteral("cmdCalculate"));
    cmdOpen_ = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), this);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    chkDST_ = new QCheckBox(QStringLiteral("Daylight Saving Time"), this);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    fraLong_ = BuildHemisphereFrame("fraLong", "optLong", "East", "West", optLong_);
    fraLat_ = BuildHemisphereFrame("fraLat", "optLat", "North", "South", optLat_);
    command1_ = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    for (QPushButton* button : {cmdCalculate_, cmdOpen_, command1_}) {
        button->setAutoDefault(false);
    }
    lblZoneNote_ = new QLabel(this);
    lblZoneNote_->setObjectName(QStringLiteral("lblZoneNote"));
    lblZoneNote_->setWordWrap(true);
    lblZoneDistance_ = new QLabel(this);
    lblZoneDistance_->setObjectName(QStringLiteral("lblZoneDistance"));
    lblZoneDistance_->setWordWrap(true);
    txtUtcOffset_ = AddTextBox("txtUtcOffset");
    txtUtcOffset_->setPlaceholderText(QStringLiteral("+HH:MM"));
    txtUtcOffset_->setMaximumWidth(
        txtUtcOffset_->fontMetrics().horizontalAdvance(QStringLiteral("+00:00:00")) + 16);
    cmdFirstTime_ = new QPushButton(QStringLiteral("The fi&rst"), this);
    cmdFirstTime_->setObjectName(QStringLiteral("cmdFirstTime"));
    cmdSecondTime_ = new QPushButton(QStringLiteral("The seco&nd"), this);
    cmdSecondTime_->setObjectName(QStringLiteral("cmdSecondTime"));
    for (QPushButton* button : {cmdFirstTime_, cmdSecondTime_}) {
        button->setAutoDefault(false);
        button->hide();
    }
    BuildLayout();
    NameForScreenReaders();
    FollowPlaceChoice();
    FollowZoneChoice();
    SetTabOrder();
    connect(cmdCalculate_, &QPushButton::clicked, this, &InputPanel::CalculateRequested);
    connect(cmdOpen_, &QPushButton::clicked, this, &InputPanel::OpenRequested);
    connect(command1_, &QPushButton::clicked, this, &InputPanel::PlaceLookupRequested);
}

QLineEdit* InputPanel::AddTextBox(const char* name, int maxLength) {
    auto* box = new QLineEdit(this);
    box->setObjectName(ToQString(name));
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    }
    return box;
}

QComboBox* InputPanel::AddList(const char* name, const QStringList& items) {
    auto* list = new QComboBox(this);
    list->setObjectName(ToQString(name));
    list->addItems(items);
    list->setCurrentIndex(0);
    return list;
}

QWidget* InputPanel::BuildHemisphereFrame(const char* frameName, const char* buttonName,
                                          const char* first, const char* second,
                                          QButtonGroup*& group) {
    auto* frame = new QWidget(this);
    frame->setObjectName(ToQString(frameName));
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    group = new QButtonGroup(frame);
    const char* captions[] = {first, second};
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(ToQString(captions[index]), frame);
        option->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(buttonName)).arg(index));
        group->addButton(option, index);
        layout->addWidget(option);
    }
    group->button(0)->setChecked(true);
    return frame;
}

// A row of controls spaced as the style spaces controls side by side.
QHBoxLayout* InputPanel::Row(std::initializer_list<QWidget*> widgets) const {
    auto* line = new QHBoxLayout;
    line->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing));
    for (QWidget* widget : widgets) {
        line->addWidget(widget);
    }
    line->addStretch();
    return line;
}

// The fields scroll on a small screen or at a large scale; the two
// commands under them stay in view.
void InputPanel::BuildLayout() {
    auto* form = new QFormLayout(ScrolledContent(this));
    fields_ = form;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    auto* introduction = CaptionLabel(this, 11, ToQString(PROGRAM_INTRODUCTION));
    introduction->setWordWrap(true);
    form->addRow(introduction);

    const auto addRow = [this, form](int index, const char* caption, QWidget* buddy,
                                     QLayout* content) {
        QLabel* label = CaptionLabel(this, index, ToQString(caption));
        label->setBuddy(buddy);
        form->addRow(label, content);
    };
    addRow(0, "Name", txtName_, Row({txtName_}));
    txtName_->setMinimumWidth(320);
    addRow(1, "Date of Birth", cboMonth_, Row({cboMonth_, cboDate_, cboYear_}));
    auto* hourMinute = new QLabel(QStringLiteral("HH/MM"), this);
    hourMinute->setObjectName(QStringLiteral("Label16"));
    addRow(2, "Time of Birth", cboHour_, Row({cboHour_, cboMinute_, hourMinute}));
    addRow(10, "Time Zone", cboTimeZone_, Row({chkDST_}));
    auto* offsetCaption = new QLabel(QStringLiteral("or exact &UTC offset"), this);
    offsetCaption->setObjectName(QStringLiteral("lblUtcOffset"));
    offsetCaption->setBuddy(txtUtcOffset_);
    form->addRow(QString(), Row({cboTimeZone_, offsetCaption, txtUtcOffset_}));
    auto* note = new QVBoxLayout;
    note->setContentsMargins(0, 0, 0, 0);
    note->addWidget(lblZoneNote_);
    note->addLayout(Row({cmdFirstTime_, cmdSecondTime_}));
    form->addRow(QString(), note);
    form->setRowVisible(note, false);
    zoneNoteRow_ = note;
    form->addRow(QString(), lblZoneDistance_);
    form->setRowVisible(lblZoneDistance_, false);
    addRow(
        3, "Latitude", txtLatDeg_,
        Row({txtLatDeg_, fraLat_, txtLatMin_, CaptionLabel(this, 5, QStringLiteral("DEG/MIN"))}));
    addRow(
        4, "Longitude", txtLonDeg_,
        Row({txtLonDeg_, fraLong_, txtLonMin_, CaptionLabel(this, 6, QStringLiteral("DEG/MIN"))}));
    addRow(7, "City", txtCity_, Row({txtCity_}));
    addRow(8, "State", txtState_, Row({txtState_}));
    addRow(9, "Country", txtCountry_, Row({txtCountry_}));
    for (QLineEdit* place : {txtCity_, txtState_, txtCountry_}) {
        place->setMinimumWidth(320);
    }
    form->addRow(QString(), Row({command1_}));
    auto* commands = Row({cmdCalculate_, cmdOpen_});
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    commands->setContentsMargins(margin, margin, margin, margin);
    layout()->addItem(commands);
    // The minute boxes of latitude and longitude line up.
    const int hemisphereWidth = std::max(fraLat_->sizeHint().width(), fraLong_->sizeHint().width());
    fraLat_->setFixedWidth(hemisphereWidth);
    fraLong_->setFixedWidth(hemisphereWidth);
}

// What a screen reader says for each control: the caption a person sees
// beside it, and for the parts of a caption's row which part they are.
void InputPanel::NameForScreenReaders() {
    const std::pair<QWidget*, const char*> names[] = {
        {cboMonth_, "Month of birth"},
        {cboDate_, "Day of birth"},
        {cboYear_, "Year of birth"},
        {cboHour_, "Hour of birth"},
        {cboMinute_, "Minute of birth"},
        {cboTimeZone_, "Time zone"},
        {txtLatDeg_, "Latitude degrees"},
        {txtLatMin_, "Latitude minutes"},
        {txtLonDeg_, "Longitude degrees"},
        {txtLonMin_, "Longitude minutes"},
        {fraLat_, "Latitude hemisphere"},
        {fraLong_, "Longitude hemisphere"},
        {lblZoneNote_, "Time zone found for the place"},
        {txtUtcOffset_, "Exact offset from UTC"},
        {cmdFirstTime_, "The first of the two times"},
        {cmdSecondTime_, "The second of the two times"},
    };
    for (const auto& [widget, name] : names) {
        widget->setAccessibleName(ToQString(name));
    }
    for (QLineEdit* box : DegreeBoxes()) {
        box->setAccessibleDescription(QStringLiteral("Whole number, up to three digits"));
    }
    for (QLineEdit* box : LetterBoxes()) {
        box->setAccessibleDescription(QStringLiteral("Letters and spaces"));
    }
    txtCity_->setAccessibleDescription(
        QStringLiteral("Letters and spaces; matching places are offered as you type"));
}

void InputPanel::SetTabOrder() {
    const QList<QWidget*> order = {txtName_,
                                   cboDate_,
                                   cboMonth_,
                                   cboYear_,
                                   cboHour_,
                                   cboMinute_,
                                   cboTimeZone_,
                                   txtLatDeg_,
                                   txtLatMin_,
                                   txtLonDeg_,
                                   txtLonMin_,
                                   txtCity_,
                                   txtState_,
                                   txtCountry_,
                                   cmdCalculate_,
                                   cmdOpen_,
                                   chkDST_,
                                   optLong_->button(0),
                                   optLong_->button(1),
                                   optLat_->button(0),
                                   optLat_->button(1),
                                   command1_,
                                   txtUtcOffset_,
                                   cmdFirstTime_,
                                   cmdSecondTime_};
    for (qsizetype index = 1; index < order.size(); ++index) {
        setTabOrder(order[index - 1], order[index]);
    }
}

InputForm InputPanel::ReadForm() const {
    InputForm form;
    form.name = Text(txtName_);
    form.dayPosition = cboDate_->currentIndex();
    form.monthPosition = cboMonth_->currentIndex();
    form.yearPosition = cboYear_->currentIndex();
    form.hourPosition = cboHour_->currentIndex();
    form.minutePosition = cboMinute_->currentIndex();
    form.zonePosition =
        cboTimeZone_->currentIndex() >= 0 ? cboTimeZone_->currentIndex() : rowBehindOffset_;
    form.latitudeDegrees = Text(txtLatDeg_);
    form.latitudeMinutes = Text(txtLatMin_);
    form.longitudeDegrees = Text(txtLonDeg_);
    form.longitudeMinutes = Text(txtLonMin_);
    // Button ids follow the order of the enumerations after None; no
    // button checked is id -1, which is None.
    form.latitudeHemisphere = static_cast<LatitudeHemisphere>(optLat_->checkedId() + 1);
    form.longitudeHemisphere = static_cast<LongitudeHemisphere>(optLong_->checkedId() + 1);
    form.daylightSaving = chkDST_->isChecked();
    form.utcOffset = Text(txtUtcOffset_);
    form.offsetZone = offsetZone_;
    form.zoneUnsettled = zoneUnsettled_;
    form.city = Text(txtCity_);
    form.state = Text(txtState_);
    form.country = Text(txtCountry_);
    return form;
}

void InputPanel::FollowPlaceChoice() {
    auto* completer = new PlaceCompleter(txtCity_);
    connect(completer, &PlaceCompleter::PlaceChosen, this, &InputPanel::ChoosePlace);
    connect(txtCity_, &QLineEdit::textEdited, this, &InputPanel::ForgetPlace);
    for (QComboBox* list : {cboDate_, cboMonth_, cboYear_, cboHour_, cboMinute_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &InputPanel::ProposeZone);
    }
}

void InputPanel::ChoosePlace(const Place& place) {
    InputForm form = ReadForm();
    FillPlace(place, form);
    WriteForm(form);
    chosenPlace_ = place;
    zoneSetByHand_ = false;
    ProposeZone();
    cmdCalculate_->setFocus();
}

void InputPanel::ForgetPlace() {
    chosenPlace_.reset();
    OfferRepeatedTimes({});
    ShowZoneNote({});
}

void InputPanel::WriteForm(const InputForm& form) {
    ForgetPlace();
    SetText(txtName_, form.name);
    Choose(cboDate_, form.dayPosition);
    Choose(cboMonth_, form.monthPosition);
    Choose(cboYear_, form.yearPosition);
    Choose(cboHour_, form.hourPosition);
    Choose(cboMinute_, form.minutePosition);
    ShowZone(form);
    SetText(txtLatDeg_, form.latitudeDegrees);
    SetText(txtLatMin_, form.latitudeMinutes);
    SetText(txtLonDeg_, form.longitudeDegrees);
    SetText(txtLonMin_, form.longitudeMinutes);
    WriteHemispheres(form);
    SetText(txtCity_, form.city);
    SetText(txtState_, form.state);
    SetText(txtCountry_, form.country);
}

void InputPanel::WriteHemispheres(const InputForm& form) {
    if (form.latitudeHemisphere != LatitudeHemisphere::None) {
        optLat_->button(form.latitudeHemisphere == LatitudeHemisphere::North ? 0 : 1)
            ->setChecked(true);
    }
    if (form.longitudeHemisphere != LongitudeHemisphere::None) {
        optLong_->button(form.longitudeHemisphere == LongitudeHemisphere::East ? 0 : 1)
            ->setChecked(true);
    }
}

QLineEdit* InputPanel::Box(InputField field) const {
    switch (field) {
        case InputField::Name:
            return txtName_;
        case InputField::LatitudeDegrees:
            return txtLatDeg_;
        case InputField::LatitudeMinutes:
            return txtLatMin_;
        case InputField::LongitudeDegrees:
            return txtLonDeg_;
        case InputField::LongitudeMinutes:
            return txtLonMin_;
        case InputField::City:
            return txtCity_;
        case InputField::State:
            return txtState_;
        case InputField::Country:
            return txtCountry_;
        case InputField::UtcOffset:
            return txtUtcOffset_;
        case InputField::None:
            break;
    }
    return nullptr;
}

QList<QLineEdit*> InputPanel::LetterBoxes() const {
    return {txtName_, txtCity_, txtState_, txtCountry_};
}

QList<QLineEdit*> InputPanel::DegreeBoxes() const {
    return {txtLatDeg_, txtLatMin_, txtLonDeg_, txtLonMin_};
}

}  // namespace sarovin
