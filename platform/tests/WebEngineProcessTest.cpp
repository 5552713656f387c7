#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <sstream>

#include "WebEngineProcess.h"

namespace platform {
namespace {

class SandboxRule : public ::testing::Test {
  protected:
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

    static constexpr const char* kName = "QTWEBENGINE_DISABLE_SANDBOX";
    std::ostringstream messages;

  private:
    bool wasSet_ = false;
    QByteArray saved_;
};

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

}  // namespace
}  // namespace platform
