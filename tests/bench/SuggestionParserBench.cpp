// Reply sizes far above what the service sends, to show how the parser grows
// with its input and how it compares with the floor (one memchr pass over
// the bytes) and with a general XML parser doing the same job.

#include "SuggestionParser.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

// A reply as the service shapes it, repeated until it reaches `size` bytes.
std::string MakeReply(std::size_t size) {
    static const char* const kValues[] = {"tokyo weather", "\x93\x8C\x8B\x9E \x93\x56\x8B\x43", "tokyo tower", "osaka"};
    const std::string head = R"(<?xml version="1.0"?><toplevel>)";
    const std::string tail = "</toplevel>";
    std::string reply = head;
    for (std::size_t i = 0; reply.size() + tail.size() < size; ++i) {
        reply += R"(<CompleteSuggestion><suggestion data=")";
        reply += kValues[i % std::size(kValues)];
        reply += R"("/></CompleteSuggestion>)";
    }
    return reply + tail;
}

// Built once per size, outside the timed loops.
const std::string& ReplyOfSize(std::size_t size) {
    static std::map<std::size_t, std::string> replies;
    auto found = replies.find(size);
    if (found == replies.end()) found = replies.emplace(size, MakeReply(size)).first;
    return found->second;
}

void TimeParsing(benchmark::State& state, const std::string& reply) {
    std::vector<std::string> suggestions;
    for (auto _ : state) {
        orlena::ParseSuggestions(reply, suggestions);
        benchmark::DoNotOptimize(suggestions.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
    state.counters["suggestions"] = static_cast<double>(suggestions.size());
}

void BM_ParseSuggestions(benchmark::State& state) {
    TimeParsing(state, ReplyOfSize(static_cast<std::size_t>(state.range(0))));
}

// A run of stray '>' before the one tag at the end: a parser that stepped
// over them one by one, looking for the next '<' again at each, would be
// quadratic here.
void BM_ParseStrayBrackets(benchmark::State& state) {
    const std::string tag = R"(<suggestion data="x"/>)";
    TimeParsing(state, std::string(static_cast<std::size_t>(state.range(0)) - tag.size(), '>') + tag);
}

void BM_MemchrCountTags(benchmark::State& state) {
    const std::string& reply = ReplyOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::size_t tags = 0;
        const char* at = reply.data();
        const char* const end = at + reply.size();
        while ((at = static_cast<const char*>(std::memchr(at, '<', static_cast<std::size_t>(end - at)))) != nullptr) {
            ++tags;
            ++at;
        }
        benchmark::DoNotOptimize(tags);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
}

void CollectSuggestionData(pugi::xml_node node, std::vector<std::string>& suggestions) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (std::strcmp(child.name(), "suggestion") == 0) {
            suggestions.emplace_back(child.attribute("data").value());
        }
        CollectSuggestionData(child, suggestions);
    }
}

void BM_PugixmlSuggestions(benchmark::State& state) {
    const std::string& reply = ReplyOfSize(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string> suggestions;
    for (auto _ : state) {
        pugi::xml_document document;
        document.load_buffer(reply.data(), reply.size());
        suggestions.clear();
        CollectSuggestionData(document, suggestions);
        benchmark::DoNotOptimize(suggestions.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
    state.counters["suggestions"] = static_cast<double>(suggestions.size());
}

constexpr std::int64_t kSizes[] = {64 << 10, 1 << 20, 8 << 20};

void ReplySizes(benchmark::internal::Benchmark* benchmark) {
    for (const std::int64_t size : kSizes) benchmark->Arg(size);
}

BENCHMARK(BM_ParseSuggestions)->Apply(ReplySizes);
BENCHMARK(BM_ParseStrayBrackets)->Apply(ReplySizes);
BENCHMARK(BM_MemchrCountTags)->Apply(ReplySizes);
BENCHMARK(BM_PugixmlSuggestions)->Apply(ReplySizes);

}  // namespace

BENCHMARK_MAIN();
