#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/Application.h"
#include "app/MainWindow.h"

namespace tlv::test {

// A fresh application with its settings in the given folder and its prompts scripted, started
// and its frame shown. Returns whether the frame came up.
inline bool StartFrame(std::unique_ptr<Application>& app, const QTemporaryDir& config,
                       Prompter& prompter)
{
    qputenv("TOLVENAR_CONFIG_DIR", config.path().toLocal8Bit());
    app = std::make_unique<Application>(config.path());
    app->setPrompter(&prompter);
    app->startUp();
    app->frame().show();
    return QTest::qWaitForWindowExposed(&app->frame());
}

}  // namespace tlv::test
