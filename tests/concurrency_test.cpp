// Calls keep no state: every export called from eight threads at once, each
// thread with its own buffer, mode word and lists, gives bit for bit what a
// single caller gets.
#include <cstring>
#include <thread>
#include <vector>

#include "catalogue.hpp"
#include "test_support.hpp"

namespace {

namespace cat = kxv::catalogue;

struct Case {
    void* fn;
    cat::Kind kind;
    std::vector<double> in;
    std::size_t outputs;
};

// Every export over a grid of inputs: the typical states, both sides of each
// range, the two- and three-input forms, and some states where solvers flag.
std::vector<Case> all_cases() {
    const double first[] = {-10, 0, 25, 60, 120, 200, 310, 1000, 1411};
    const double second[] = {0, 0.3, 0.5, 0.65, 0.85};
    const double third[] = {0.5, 5, 100, 600};
    std::vector<Case> cases;
    for (const cat::Entry& e : cat::all) {
        void* fn = kxvhost::find_export(kxvtest::module(), e.name);
        if (e.kind == cat::Kind::NameList) {
            cases.push_back({fn, e.kind, {}, 0});
            continue;
        }
        const std::size_t outputs = static_cast<std::size_t>(e.record->outputs);
        for (int n = e.record->min_inputs; n <= e.record->max_inputs; ++n)
            for (double a : first)
                for (double b : second)
                    for (double c : third) {
                        std::vector<double> in = {a, b, c};
                        in.resize(static_cast<std::size_t>(n));
                        cases.push_back({fn, e.kind, in, outputs});
                        if (n < 3 && c != third[0]) break;  // c unused: one pass of it
                    }
    }
    return cases;
}

kxvhost::Call run(const Case& c) {
    if (c.kind == cat::Kind::NameList)
        return kxvhost::call_name_list(reinterpret_cast<kxvhost::NameListFn>(c.fn));
    return kxvhost::call_export(c.fn, c.kind == cat::Kind::Procedure, c.in, c.outputs);
}

bool same_call(const kxvhost::Call& a, const kxvhost::Call& b) {
    if (!kxvtest::same_bits(a.result, b.result) || a.mode != b.mode || a.text != b.text)
        return false;
    if (a.outputs.size() != b.outputs.size()) return false;
    for (std::size_t i = 0; i < a.outputs.size(); ++i)
        if (!kxvtest::same_bits(a.outputs[i], b.outputs[i])) return false;
    return a.guard_intact && a.terminated && a.inputs_intact;
}

}  // namespace

TEST(Concurrency, EightThreadsGetTheBitsOfASerialRun) {
    const std::vector<Case> cases = all_cases();
    for (const Case& c : cases) ASSERT_NE(c.fn, nullptr);
    std::vector<kxvhost::Call> serial;
    for (const Case& c : cases) serial.push_back(run(c));

    constexpr int kThreads = 8;
    std::vector<std::vector<kxvhost::Call>> seen(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&cases, &mine = seen[t], t] {
            // Each thread walks the cases from its own starting point, so
            // different exports run side by side.
            const std::size_t n = cases.size(), start = n * static_cast<std::size_t>(t) / kThreads;
            mine.resize(n);
            for (std::size_t k = 0; k < n; ++k) mine[(start + k) % n] = run(cases[(start + k) % n]);
        });
    for (std::thread& t : threads) t.join();

    int differ = 0;
    for (int t = 0; t < kThreads; ++t)
        for (std::size_t i = 0; i < cases.size(); ++i)
            if (!same_call(seen[t][i], serial[i]) && ++differ <= 5)
                ADD_FAILURE() << "thread " << t << ", case " << i << " differs from the serial run";
    EXPECT_EQ(differ, 0);
    EXPECT_GT(cases.size(), 2000u);
}
