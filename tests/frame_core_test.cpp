// The frame's helpers and the catalogue, on the core library directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "catalogue.hpp"

namespace cat = kxv::catalogue;

TEST(CountNodes, FollowsTheLinksToTheEnd) {
    EXPECT_EQ(kxv::count_nodes(nullptr), 0);
    ValueNode n[5] = {};
    for (int i = 0; i < 4; ++i) n[i].next = &n[i + 1];
    EXPECT_EQ(kxv::count_nodes(&n[0]), 5);
    EXPECT_EQ(kxv::count_nodes(&n[4]), 1);
}

// A cycle, or a list longer than any export takes, stops at the bound.
TEST(CountNodes, StopsOneNodePastTheBound) {
    static ValueNode n[kxv::kMaxListNodes + 10] = {};
    const int total = kxv::kMaxListNodes + 10;
    for (int i = 0; i + 1 < total; ++i) n[i].next = &n[i + 1];
    EXPECT_EQ(kxv::count_nodes(&n[0]), kxv::kMaxListNodes + 1);
    EXPECT_EQ(kxv::count_nodes(&n[total - kxv::kMaxListNodes]), kxv::kMaxListNodes);
    ValueNode ring[3] = {};
    ring[0].next = &ring[1];
    ring[1].next = &ring[2];
    ring[2].next = &ring[1];  // back into the list, not to its head
    EXPECT_EQ(kxv::count_nodes(&ring[0]), kxv::kMaxListNodes + 1);
    ValueNode self{};
    self.next = &self;
    EXPECT_EQ(kxv::count_nodes(&self), kxv::kMaxListNodes + 1);
}

TEST(RangeMessages, FollowTheirPatterns) {
    char text[128];
    const struct {
        kxv::Check check;
        const char* expected;
    } rows[] = {
        {kxv::Check::XLow, "Error: LiBrKXVuw: Input out of bounds: 0 <= X"},
        {kxv::Check::XHigh, "Warning: LiBrKXVuw: Input out of bounds: X <= 80 % LiBr"},
        {kxv::Check::Tc,
         "Warning: LiBrKXVuw: Input out of bounds: 0 < Tc < 300\xB0"
         "C"},
        {kxv::Check::P, "Warning: LiBrKXVuw: Input out of bounds: 0 < P < 500 kPa"},
    };
    for (const auto& r : rows) {
        kxv::copy_range_message(text, cat::uw, r.check);
        EXPECT_STREQ(text, r.expected);
    }
}

TEST(RangeChecks, AreOrderedComparisons) {
    using kxv::Check;
    EXPECT_TRUE(kxv::check_fails(Check::XLow, -1e-300));
    EXPECT_FALSE(kxv::check_fails(Check::XLow, 0.0));
    EXPECT_FALSE(kxv::check_fails(Check::XLow, -0.0));
    EXPECT_FALSE(kxv::check_fails(Check::XHigh, 0.8));
    EXPECT_TRUE(kxv::check_fails(Check::XHigh, 0.8000000000000002));
    EXPECT_FALSE(kxv::check_fails(Check::Tc, 300.0));
    EXPECT_TRUE(kxv::check_fails(Check::Tc, 300.00000000000006));
    EXPECT_FALSE(kxv::check_fails(Check::P, 500.0));
    EXPECT_TRUE(kxv::check_fails(Check::P, -1e-300));
    for (Check c : {Check::XLow, Check::XHigh, Check::Tc, Check::P})
        EXPECT_FALSE(kxv::check_fails(c, std::nan("")));
}

// The longest text each record states is the longest any of its paths writes.
TEST(Catalogue, LongestTextsMatchEveryPath) {
    for (const cat::Entry& e : cat::all) {
        if (!e.record) continue;
        const kxv::Export& r = *e.record;
        SCOPED_TRACE(r.name);
        std::size_t longest = 0;
        for (const char* t :
             {r.call_text, r.in_units, r.out_units, r.count_message, r.output_count_message})
            if (t) longest = std::max(longest, std::strlen(t));
        for (int i = 0; i < r.check_count; ++i) {
            char text[256];
            kxv::copy_range_message(text, r, r.checks[i].check);
            longest = std::max(longest, std::strlen(text));
        }
        EXPECT_EQ(static_cast<int>(longest + 1), r.longest_text);
        EXPECT_LE(r.longest_text, 76);
    }
}

TEST(Catalogue, OrdinalsFollowTheByteOrderOfTheNames) {
    const cat::Entry* prev = nullptr;
    for (const cat::Entry& e : cat::all) {
        if (prev) {
            EXPECT_LT(std::strcmp(prev->name, e.name), 0) << e.name;
            EXPECT_LT(prev->ordinal, e.ordinal) << e.name;
        }
        EXPECT_EQ(cat::find(e.name), &e);
        if (e.record) {
            EXPECT_STREQ(e.record->name, e.name);
        }
        prev = &e;
    }
    EXPECT_EQ(cat::find("LiBrKXVnone"), nullptr);
    EXPECT_EQ(std::strlen(cat::function_names), 137u);
}

// The catalogue names exactly the exports that the module's symbol check expects.
TEST(Catalogue, ListsEveryExportOfTheModule) {
    std::FILE* f = std::fopen(KXVLIBR_EXPORTED_NAMES, "r");
    ASSERT_NE(f, nullptr) << KXVLIBR_EXPORTED_NAMES;
    std::string expected, line;
    for (int c; (c = std::fgetc(f)) != EOF;) expected += static_cast<char>(c);
    std::fclose(f);
    std::string listed;
    for (const cat::Entry& e : cat::all) listed += std::string(e.name) + "\n";
    EXPECT_EQ(listed, expected);
}
