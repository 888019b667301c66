#pragma once

#include "fakes/fake_platform.h"
#include "shell/lexaro_form.h"
#include "support/test_database.h"

#include <memory>

namespace lexaro::testing {

// A main window on a temporary database with fake desktop services. Fill `db`, then
// call open().
struct MainWindowFixture
{
    void open()
    {
        store = db.open();
        form = std::make_unique<LexaroForm>(*store, platform.services);
    }

    TestDatabase db;
    std::unique_ptr<DictionaryStore> store;
    fakes::FakePlatform platform;
    std::unique_ptr<LexaroForm> form;
};

} // namespace lexaro::testing
