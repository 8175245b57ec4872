#pragma once
// dwtool's verbs register themselves here; main() looks them up by name.
#include <functional>
#include <string>
#include <vector>

namespace dwtool {

// A verb receives its own arguments (without "dwtool" and the verb) and returns the exit code.
using VerbFunction = std::function<int(const std::vector<std::string>& args)>;

struct Verb {
    std::string name;
    std::string usage;    // one line: "xml FILE [--root TAG]"
    std::string summary;  // one line of what it does
    VerbFunction run;
};

std::vector<Verb>& Verbs();

struct VerbRegistration {
    explicit VerbRegistration(Verb verb) { Verbs().push_back(std::move(verb)); }
};

}  // namespace dwtool

// Usage at namespace scope in a verb's file:
//   DWTOOL_VERB(xml, "xml FILE [--root TAG]", "parse FILE and print it formatted", RunXml);
#define DWTOOL_VERB(id, usage, summary, fn) \
    static const ::dwtool::VerbRegistration dwtoolVerb_##id{::dwtool::Verb{#id, usage, summary, fn}}
