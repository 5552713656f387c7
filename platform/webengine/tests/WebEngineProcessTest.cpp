// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <sstream>

#include "WebEngineProcess.h"

namespace platform {
namespace {

// Clears one environment variable for a test and puts it back afterwards.
class EnvironmentRule : public ::testing::Test {
  protected:
    explicit EnvironmentRule(const char* name) : kName(name) {}

    void SetUp() override {
        wasSet_ = qEnvironmentVariableIsSet(kName);
        saved_ = qgetenv(kName);
        qunsetenv(kName);
    }
    void TearDown() override {
        if (wasSet_)
            qputenv(kName, saved_);
        else
            qunsetenv(kName);
    }

    const char* const kName;

  private:
    bool wasSet_ = false;
    QByteArray saved_;
};

class SandboxRule : public EnvironmentRule {
  protected:
    SandboxRule() : EnvironmentRule("QTWEBENGINE_DISABLE_SANDBOX") {}
    std::ostringstream messages;
};

class SceneGraphRule : public EnvironmentRule {
  protected:
    SceneGraphRule() : EnvironmentRule("QT_QUICK_BACKEND") {}
};

TEST_F(SceneGraphRule, ChoosesTheSoftwareSceneGraph) {
    EXPECT_TRUE(useSoftwareSceneGraph());
    EXPECT_EQ(qgetenv(kName), "software");
}

TEST_F(SceneGraphRule, LeavesAChoiceMadeBeforeItAlone) {
    qputenv(kName, "opengl");
    EXPECT_FALSE(useSoftwareSceneGraph());
    EXPECT_EQ(qgetenv(kName), "opengl");
}

TEST_F(SandboxRule, StaysOnForAnOrdinaryUser) {
    EXPECT_FALSE(turnOffSandboxWhenRoot(false, messages));
    EXPECT_FALSE(qEnvironmentVariableIsSet(kName));
    EXPECT_TRUE(messages.str().empty());
}

TEST_F(SandboxRule, GoesOffForRootWithOneMessage) {
    EXPECT_TRUE(turnOffSandboxWhenRoot(true, messages));
    EXPECT_EQ(qgetenv(kName), "1");
    EXPECT_FALSE(turnOffSandboxWhenRoot(true, messages)) << "asked twice, it says so once";
    EXPECT_EQ(messages.str(),
              "Ticklot: running as root, so the web browser's sandbox is turned off.\n");
}

TEST_F(SandboxRule, LeavesAChoiceMadeBeforeItAlone) {
    qputenv(kName, "0");
    EXPECT_FALSE(turnOffSandboxWhenRoot(true, messages));
    EXPECT_EQ(qgetenv(kName), "0");
    EXPECT_TRUE(messages.str().empty());
}

class PageAccessibilityRule : public EnvironmentRule {
  protected:
    PageAccessibilityRule() : EnvironmentRule("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY") {}
};

TEST_F(PageAccessibilityRule, ExposesPagesOnlyWhileAnAssistiveTechnologyIsActive) {
    EXPECT_FALSE(exposePagesToAssistiveTechnology(false));
    EXPECT_FALSE(qEnvironmentVariableIsSet(kName));
    EXPECT_TRUE(exposePagesToAssistiveTechnology(true));
    EXPECT_EQ(qgetenv(kName), "1");
    qputenv(kName, "0");
    EXPECT_FALSE(exposePagesToAssistiveTechnology(true)) << "a choice made before stays";
    EXPECT_EQ(qgetenv(kName), "0");
}

}  // namespace
}  // namespace platform
