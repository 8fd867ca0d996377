#pragma once

#include <QGuiApplication>
#include <memory>

namespace sarovin {

// The application that painting text needs, for a program without one. It
// runs on the offscreen platform unless QT_QPA_PLATFORM names another, so
// no display is needed, and keeps Qt's warnings off standard error.
// Nothing when an application exists already.
std::unique_ptr<QGuiApplication> StartPrintingApplication();

}  // namespace sarovin
