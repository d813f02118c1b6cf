#include "tests/support/fixture_pool.h"

#include <fstream>
#include <iterator>
#include <list>
#include <string>
#include <cstring>
#include <memory>

#ifndef KORVANE_SOURCE_DIR
#define KORVANE_SOURCE_DIR "."
#endif

QuestionPool LoadPoolFile(const char* relativePath) {
    static std::list<std::unique_ptr<char[]>> kept;
    std::ifstream in(std::string(KORVANE_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    if (!in) return QuestionPool{nullptr, nullptr};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Exactly the file's bytes, no terminator, so that an overread shows under ASan.
    kept.emplace_back(new char[text.size() ? text.size() : 1]);
    char* bytes = kept.back().get();
    memcpy(bytes, text.data(), text.size());
    return QuestionPool{bytes, bytes + text.size()};
}

static void Install(const char* const names[PoolCount]) {
    for (int i = 0; i < PoolCount; ++i) Pools[i] = LoadPoolFile(names[i]);
}

void InstallFixturePools() {
    static const char* const names[PoolCount] = {
        "tests/fixtures/mini_basic_en.txt", "tests/fixtures/mini_advanced_en.txt",
        "tests/fixtures/mini_basic_fr.txt", "tests/fixtures/mini_advanced_fr.txt"};
    Install(names);
}

void InstallShippedPools() {
    static const char* const names[PoolCount] = {
        "resources/pools/basic_en.txt", "resources/pools/advanced_en.txt",
        "resources/pools/basic_fr.txt", "resources/pools/advanced_fr.txt"};
    Install(names);
}
