// The fixture of the tests that drive varuno.exe: fresh ini files beside the
// program (the guide marked as seen, so that it does not start with it),
// the program started, and at the end closed with its confirmation.
#pragma once
#include <gtest/gtest.h>

#include "tests/e2e/win_driver.h"

namespace varuno::e2e {

class VarunoTest : public ::testing::Test {
protected:
    void SetUp() override {
        fresh_ini_files();
        if (start_at_once()) {
            ASSERT_TRUE(app.start());
        }
    }
    void TearDown() override {
        if (app.running()) app.exit_with_ok();
    }
    // A test that prepares files first starts the program itself.
    virtual bool start_at_once() const { return true; }

    Varuno app;
};

}  // namespace varuno::e2e
