#include "app/messages.h"
#include "engine/keys.h"

#include <gtest/gtest.h>

namespace {

TEST(Keys, NavigationKeysPostTheMovesWithoutAnswer) {
    int lParam = 99;
    EXPECT_EQ(EngineMessageForKey(0x24, &lParam), MsgShowFirst); // Home
    EXPECT_EQ(lParam, 0);
    EXPECT_EQ(EngineMessageForKey(0x23, &lParam), MsgShowLast);     // End
    EXPECT_EQ(EngineMessageForKey(0x26, &lParam), MsgShowPrevious); // Up
    EXPECT_EQ(EngineMessageForKey(0x28, &lParam), MsgShowNext);     // Down
}

TEST(Keys, LettersAndKeypadDigitsAnswerAToD) {
    for (int i = 0; i < 4; ++i) {
        int lParam = -1;
        EXPECT_EQ(EngineMessageForKey('A' + i, &lParam), MsgAnswer);
        EXPECT_EQ(lParam, i);
        lParam = -1;
        EXPECT_EQ(EngineMessageForKey(0x61 + i, &lParam), MsgAnswer); // keypad 1..4
        EXPECT_EQ(lParam, i);
        // A lower-case character code is the same number as keypad 1..4.
        lParam = -1;
        EXPECT_EQ(EngineMessageForKey('a' + i, &lParam), MsgAnswer);
        EXPECT_EQ(lParam, i);
    }
}

TEST(Keys, OtherKeysPostNothing) {
    // Neighbours of every range: E, @, keypad 0 and 5, the main-row digits,
    // left and right arrows, Page Up/Down.
    for (unsigned key :
         {0x45u, 0x40u, 0x60u, 0x65u, 0x31u, 0x34u, 0x25u, 0x27u, 0x21u, 0x22u, 0u}) {
        int lParam = 7;
        EXPECT_EQ(EngineMessageForKey(key, &lParam), 0) << key;
        EXPECT_EQ(lParam, 0) << key;
    }
}

} // namespace
