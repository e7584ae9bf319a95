#include "output.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace catgen {
namespace {

std::string hexOf(const std::string& s) {
    static const char* d = "0123456789abcdef";
    std::string h;
    for (unsigned char c : s) {
        h += d[c >> 4];
        h += d[c & 15];
    }
    return h.empty() ? "-" : h;
}

void writeList(std::ostream& out, const std::string& title,
               const std::map<std::string, std::vector<std::string>>& m) {
    for (const auto& [why, names] : m) {
        std::vector<std::string> v(names);
        std::sort(v.begin(), v.end());
        out << title << ": " << why << " (" << v.size() << ")\n";
        for (const auto& n : v)
            out << "  " << n << "\n";
    }
}

}  // namespace

void writeOutputs(const Options& opt, const std::vector<Constant*>& consts,
                  const std::vector<Declare>& declares, const std::vector<const VbType*>& types,
                  const Report& rep) {
    std::vector<std::string> lines;
    std::ostringstream facts;
    facts << "# Facts recorded when the catalogue was generated: what clang and the import\n"
             "# libraries say about every item. C name value [u32]; S name hex; D name lib\n"
             "# export stack-bytes; T name size offset...\n";
    facts << "# Built with";
    for (const auto& d : pinnedDefines())
        facts << " -D" << d;
    facts << " --target=i686-w64-mingw32\n";
    std::size_t hex = 0, dec = 0, expr = 0, strs = 0;
    for (const auto* c : consts) {
        lines.push_back("Const " + c->name + " = " + c->vbValue);
        if (c->isString) {
            facts << "S " << c->name << " " << hexOf(c->text) << "\n";
            ++strs;
        } else {
            facts << "C " << c->name << " " << c->value
                  << (c->isUnsigned && c->size <= 4 ? " u32" : "") << "\n";
            if (c->vbValue[0] == '(')
                ++expr;
            else if (c->vbValue[0] == '&')
                ++hex;
            else
                ++dec;
        }
    }
    std::vector<const Declare*> ds;
    for (const auto& d : declares)
        ds.push_back(&d);
    std::stable_sort(ds.begin(), ds.end(),
                     [](const Declare* a, const Declare* b) { return a->seq < b->seq; });
    std::size_t subs = 0;
    for (const auto* d : ds) {
        lines.push_back(d->line);
        facts << "D " << d->name << " " << d->dll << " " << d->exportName << " " << d->stackBytes
              << "\n";
        if (d->line.rfind("Declare Sub ", 0) == 0)
            ++subs;
    }
    std::size_t members = 0;
    for (const auto* t : types) {
        lines.push_back("Type " + t->name);
        facts << "T " << t->name << " " << t->size;
        for (const auto& m : t->members) {
            std::string l = "  " + m.name + m.bounds + " As " + m.type;
            lines.push_back(l);
            facts << " " << m.cOffset;
            ++members;
        }
        facts << "\n";
        lines.push_back("End Type");
    }
    {
        std::ofstream f(opt.outDir + "/catalogue.txt", std::ios::binary);
        for (const auto& l : lines)
            f << l << "\n";
    }
    {
        std::ofstream f(opt.outDir + "/catalogue_facts.txt", std::ios::binary);
        f << facts.str();
    }
    std::size_t bytes = 0;
    for (const auto& l : lines)
        bytes += l.size() + 1;
    {
        std::ofstream f(opt.outDir + "/catalogue_stats.txt", std::ios::binary);
        f << "| Kind | Lines |\n|---|---|\n";
        f << "| constant line | " << consts.size() << " |\n";
        f << "| declare line (Function) | " << ds.size() - subs << " |\n";
        f << "| declare line (Sub) | " << subs << " |\n";
        f << "| type header | " << types.size() << " |\n";
        f << "| member line | " << members << " |\n";
        f << "| closing line | " << types.size() << " |\n";
        f << "| total | " << lines.size() << " |\n";
        f << "\n| Constant value | Lines |\n|---|---|\n";
        f << "| hexadecimal literal | " << hex << " |\n";
        f << "| decimal literal | " << dec << " |\n";
        f << "| Or-expression in parentheses | " << expr << " |\n";
        f << "| string | " << strs << " |\n";
        f << "\nBytes: " << bytes << "\n";
    }
    {
        std::ofstream f(opt.outDir + "/catalogue_leftout.txt", std::ios::binary);
        f << "# What the generator left out, by reason.\n";
        for (const auto& [why, n] : rep.macroDrops)
            f << "macro: " << why << " (" << n << ")\n";
        writeList(f, "constant", rep.constLeftOut);
        writeList(f, "declare", rep.declLeftOut);
        writeList(f, "type", rep.typeFailures);
        f << "# Names changed for VB (reserved words, VB's own type names, a leading \"_\").\n";
        for (const auto& r : renames())
            f << "rename " << r << "\n";
    }
}

}  // namespace catgen
