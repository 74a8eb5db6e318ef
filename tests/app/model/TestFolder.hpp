#pragma once

#include "model/TTempFolder.hpp"

namespace orvane {

// A fresh empty folder for one test, removed afterwards.
class TestFolder : public TTempFolder {
public:
    TestFolder() : TTempFolder("orvane-model-test", "test folder") {}
};

}  // namespace orvane
