#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "app/shell/main_window.h"
#include "tests/support/recording_platform_services.h"

namespace sarovin::testing {

// A main window answered by a recording platform, with helpers to reach
// its controls by their names.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest() : window(platform) {
        window.show();
        window.activateWindow();
    }

    template <typename Widget>
    Widget* Find(const QString& name) {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QLineEdit* Box(const char* name) { return Find<QLineEdit>(QString::fromLatin1(name)); }
    QComboBox* List(const char* name) { return Find<QComboBox>(QString::fromLatin1(name)); }
    QString LabelText(const QString& name) { return Find<QLabel>(name)->text(); }
    QString ArrayText(const char* array, int index) {
        return LabelText(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
    }
    bool HasFocus(const char* name) {
        return window.focusWidget() == Find<QWidget>(QString::fromLatin1(name));
    }
    void Click(const char* name) { Find<QPushButton>(QString::fromLatin1(name))->click(); }
    void Choose(const char* name, bool checked = true) {
        Find<QAbstractButton>(QString::fromLatin1(name))->setChecked(checked);
    }
    void ChooseItem(const char* list, const QString& text) {
        QComboBox* box = List(list);
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
    }
    // The name of the widget in front of the stack that holds `member`.
    QString FrontOf(const char* member) {
        auto* widget = Find<QWidget>(QString::fromLatin1(member));
        auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
        return stack ? stack->currentWidget()->objectName() : QString();
    }
    QString FrontPanelName() { return FrontOf("Frame1"); }
    QString FrontResultFrame() { return FrontOf("Frame3"); }

    // A complete, valid birth: 15 June 1980 08:30 in Indian Time, 77°12' E.
    void EnterDelhiBirth() {
        Box("txtName")->setText(QStringLiteral("Asha Rao"));
        ChooseItem("cboDate", QStringLiteral("15"));
        ChooseItem("cboMonth", QStringLiteral("June"));
        ChooseItem("cboYear", QStringLiteral("1980"));
        ChooseItem("cboHour", QStringLiteral("8"));
        ChooseItem("cboMinute", QStringLiteral("30"));
        List("cboTimeZone")->setCurrentIndex(34);
        Box("txtLatDeg")->setText(QStringLiteral("28"));
        Box("txtLatMin")->setText(QStringLiteral("36"));
        Box("txtLonDeg")->setText(QStringLiteral("77"));
        Box("txtLonMin")->setText(QStringLiteral("12"));
        Choose("optLong_0");
        Choose("optLat_0");
        Box("txtCity")->setText(QStringLiteral("New Delhi"));
        Box("txtState")->setText(QStringLiteral("Delhi"));
        Box("txtCountry")->setText(QStringLiteral("India"));
    }

    // Noon of 1 January 2000 at Greenwich.
    void EnterGreenwichBirth() {
        EnterDelhiBirth();
        ChooseItem("cboDate", QStringLiteral("1"));
        ChooseItem("cboMonth", QStringLiteral("January"));
        ChooseItem("cboYear", QStringLiteral("2000"));
        ChooseItem("cboHour", QStringLiteral("12"));
        ChooseItem("cboMinute", QStringLiteral("0"));
        List("cboTimeZone")->setCurrentIndex(29);
        Box("txtLonDeg")->setText(QStringLiteral("0"));
        Box("txtLonMin")->setText(QStringLiteral("0"));
        Box("txtCity")->setText(QStringLiteral("London"));
        Box("txtState")->setText(QStringLiteral("England"));
        Box("txtCountry")->setText(QStringLiteral("UK"));
    }

    RecordingPlatformServices platform;
    MainWindow window;
};

}  // namespace sarovin::testing
