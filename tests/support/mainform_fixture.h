#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/scripted_dialogs.h"
#include "ui/control_lookup.h"
#include "ui/unit_mainform.h"

// A fresh window per test, its dialogs answered by the test.
class MainformTest : public testing::Test {
 protected:
  ScriptedDialogs* dialogs = new ScriptedDialogs;
  Tmainform form{std::unique_ptr<Dialogs>(dialogs)};

  template <class Control>
  Control* Get(const std::string& name) {
    return FindControl<Control>(&form, name);
  }
  bool Exists(const std::string& name) {
    return form.findChild<QObject*>(QString::fromStdString(name)) != nullptr;
  }
};
