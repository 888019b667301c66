#pragma once

#include "fakes/fake_platform.h"
#include "shell/lexaro_form.h"
#include "support/test_database.h"
#include "ui/program_exit.h"

#include <QTest>

#include <memory>

namespace lexaro::testing {

// A main window on a temporary database with fake desktop services. Fill `db`, then
// call open().
struct MainWindowFixture
{
    void open()
    {
        store = db.open();
        QVERIFY(store);
        form = std::make_unique<LexaroForm>(
            *store, LexaroForm::Services{*platform.keyboard, *platform.keyboardMap, *platform.tray,
                                         *platform.shell, exit});
    }

    TestDatabase db;
    std::unique_ptr<DictionaryStore> store;
    fakes::FakePlatform platform;
    ProgramExit exit;
    std::unique_ptr<LexaroForm> form;
};

} // namespace lexaro::testing
