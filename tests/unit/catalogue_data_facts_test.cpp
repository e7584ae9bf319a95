// Checks of the committed catalogue against what clang and the import
// libraries said when it was generated (catalogue_facts.txt): constant
// values by VB 6's rules, stack bytes of every declare, exact layouts.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>

#include "catalogue_data_support.h"

namespace pq::test {
namespace {

// VB 6's value of a literal or an Or-expression of other constants, as the
// 32-bit Long it becomes; nullopt for anything else.
std::optional<std::int64_t> vbValue(const std::string& v,
                                    const std::map<std::string, std::string>& valueOf,
                                    int depth = 0) {
    if (depth > 20 || v.empty())
        return std::nullopt;
    if (v[0] == '(') {
        if (v.back() != ')')
            return std::nullopt;
        const std::string inner = v.substr(1, v.size() - 2);
        std::int64_t acc = 0;
        std::size_t s = 0;
        while (true) {
            const auto e = inner.find(" Or ", s);
            const std::string op =
                inner.substr(s, e == std::string::npos ? std::string::npos : e - s);
            auto it = valueOf.find(op);
            if (it == valueOf.end())
                return std::nullopt;
            const auto x = vbValue(it->second, valueOf, depth + 1);
            if (!x)
                return std::nullopt;
            acc = static_cast<std::int32_t>(static_cast<std::uint32_t>(acc) |
                                            static_cast<std::uint32_t>(*x));
            if (e == std::string::npos)
                return acc;
            s = e + 4;
        }
    }
    std::string t = v;
    const bool amp = t.back() == '&';
    if (amp)
        t.pop_back();
    if (t.rfind("&H", 0) == 0) {
        const std::string digits = t.substr(2);
        if (digits.empty() || digits.size() > 8 ||
            digits.find_first_not_of("0123456789ABCDEF") != std::string::npos)
            return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
        if (digits.size() <= 4 && !amp)  // an Integer: sign from bit 15
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
        return static_cast<std::int32_t>(bits);
    }
    const std::size_t start = t[0] == '-' ? 1 : 0;
    if (t.size() == start || t.find_first_not_of("0123456789", start) != std::string::npos)
        return std::nullopt;
    const long long d = std::stoll(t);
    // Beyond a Long VB 6 makes a Double.
    if (d < INT32_MIN || d > INT32_MAX)
        return std::nullopt;
    return d;
}

std::optional<std::string> vbString(const std::string& v) {
    if (v.size() < 2 || v.front() != '"' || v.back() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i + 1 < v.size(); ++i) {
        if (v[i] == '"') {
            if (v[i + 1] != '"' || i + 2 >= v.size())
                return std::nullopt;
            ++i;
        }
        out += v[i];
    }
    return out;
}

std::string hexOf(const std::string& s) {
    static const char* d = "0123456789abcdef";
    std::string h;
    for (unsigned char c : s)
        h += d[c >> 4], h += d[c & 15];
    return h.empty() ? "-" : h;
}

template <class F>
void eachLine(F f) {
    for (const auto& l : dataCatalogue().lines())
        f(l);
}

void report(const std::vector<std::string>& errors) {
    EXPECT_TRUE(errors.empty()) << errors.size() << " problems, first: " << errors.front();
}

TEST(CatalogueDataFacts, EveryConstantHasClangsValueByVbRules) {
    std::map<std::string, std::string> valueOf;
    eachLine([&](const std::string& l) {
        if (auto c = parseConstLine(l))
            valueOf[c->name] = c->value;
    });
    const auto& facts = dataFacts();
    std::vector<std::string> errors;
    for (const auto& [name, value] : valueOf) {
        if (auto s = facts.strings.find(name); s != facts.strings.end()) {
            const auto text = vbString(value);
            if (!text || hexOf(*text) != s->second)
                errors.push_back(name + " = " + value + " is not the header's string");
            continue;
        }
        auto f = facts.ints.find(name);
        if (f == facts.ints.end()) {
            errors.push_back(name + " has no fact");
            continue;
        }
        const auto vb = vbValue(value, valueOf);
        long long want = f->second.value;
        if (f->second.u32)  // an unsigned 32-bit C value: VB holds the same bits
            want = static_cast<std::int32_t>(static_cast<std::uint32_t>(want));
        if (!vb || *vb != want)
            errors.push_back(name + " = " + value + " is not " + std::to_string(f->second.value));
    }
    if (!errors.empty())
        report(errors);
}

TEST(CatalogueDataFacts, EveryDeclareNeedsTheStackBytesOfItsImport) {
    const auto& facts = dataFacts();
    std::vector<std::string> errors;
    std::size_t checked = 0;
    eachLine([&](const std::string& l) {
        auto d = parseDeclareLine(l);
        if (!d)
            return;
        int bytes = 0;
        for (const auto& p : d->params)
            bytes += (p.byVal && (p.type == "Double" || p.type == "Currency")) ? 8 : 4;
        auto f = facts.declares.find(d->name);
        if (f == facts.declares.end()) {
            errors.push_back(d->name + " has no fact");
            return;
        }
        const std::string exportName = d->alias.empty() ? d->name : d->alias;
        if (f->second.bytes != bytes)
            errors.push_back(d->name + ": " + std::to_string(bytes) + " bytes, the import says @" +
                             std::to_string(f->second.bytes));
        if (f->second.lib != d->lib || f->second.exportName != exportName)
            errors.push_back(d->name + ": imported as " + f->second.lib + "!" +
                             f->second.exportName);
        ++checked;
    });
    EXPECT_EQ(checked, facts.declares.size());
    if (!errors.empty())
        report(errors);
}

// VB 6 lays a type out member by member, each aligned to its size, at most 4
// (a nested type to its own alignment); the size is rounded to the largest
// alignment. The result must be C's size and offsets.
TEST(CatalogueDataFacts, EveryTypeHasCsSizeAndOffsetsUnderVbAlignment) {
    std::map<std::string, std::vector<MemberLine>> types;
    std::string open;
    eachLine([&](const std::string& l) {
        if (l.rfind("Type ", 0) == 0)
            open = l.substr(5), types[open];
        else if (l == "End Type")
            open.clear();
        else if (!open.empty())
            if (auto m = parseMemberLine(l))
                types[open].push_back(*m);
    });
    std::map<std::string, long long> constValue;
    for (const auto& [n, f] : dataFacts().ints)
        constValue[n] = f.value;
    auto number = [&](const std::string& s) -> long long {
        if (!s.empty() && s.find_first_not_of("0123456789") == std::string::npos)
            return std::stoll(s);
        auto it = constValue.find(s);
        return it == constValue.end() ? -1 : it->second;
    };
    struct Layout {
        long long size = -1, align = 1;
        std::vector<long long> offsets;
    };
    std::map<std::string, Layout> memo;
    std::function<Layout(const std::string&)> layout = [&](const std::string& name) -> Layout {
        if (auto it = memo.find(name); it != memo.end())
            return it->second;
        memo[name] = Layout{};  // a cycle gives size -1
        Layout r;
        long long cur = 0;
        for (const auto& m : types.at(name)) {
            long long size = 0, align = 1, count = 1;
            if (m.type.rfind("String * ", 0) == 0)
                size = number(m.type.substr(9));
            else if (m.type == "Byte")
                size = 1;
            else if (m.type == "Integer")
                size = 2, align = 2;
            else if (m.type == "Long" || m.type == "Single")
                size = 4, align = 4;
            else if (m.type == "Double" || m.type == "Currency")
                size = 8, align = 4;
            else if (types.count(m.type)) {
                const Layout sub = layout(m.type);
                size = sub.size, align = sub.align;
            }
            if (!m.bounds.empty()) {
                const auto to = m.bounds.find(" To ");
                if (to == std::string::npos)
                    return memo[name] = Layout{};
                count = number(m.bounds.substr(to + 4)) - number(m.bounds.substr(0, to)) + 1;
            }
            if (size <= 0 || count <= 0)
                return memo[name] = Layout{};
            cur = (cur + align - 1) / align * align;
            r.offsets.push_back(cur);
            cur += size * count;
            r.align = std::max(r.align, align);
        }
        r.size = (cur + r.align - 1) / r.align * r.align;
        return memo[name] = r;
    };
    const auto& facts = dataFacts();
    std::vector<std::string> errors;
    for (const auto& [name, members] : types) {
        auto f = facts.types.find(name);
        if (f == facts.types.end()) {
            errors.push_back(name + " has no fact");
            continue;
        }
        const Layout l = layout(name);
        if (l.size != f->second.size || l.offsets != f->second.offsets)
            errors.push_back(name + ": VB lays it out in " + std::to_string(l.size) +
                             " bytes, C in " + std::to_string(f->second.size));
    }
    EXPECT_EQ(types.size(), facts.types.size());
    if (!errors.empty())
        report(errors);
}

}  // namespace
}  // namespace pq::test
