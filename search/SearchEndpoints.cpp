#include "SearchEndpoints.h"

#include "EndpointHosts.h"

#include <array>

namespace orlena {
namespace {

struct Endpoint {
    const char* host;
    const char* pathAndQuery;
};

// Row order is the order of the kind selector's items.
constexpr std::array<Endpoint, 7> kEndpoints = {{
    {ORLENA_WEB_HOST, "/search?hl=ja&source=hp&q="},
    {ORLENA_MAPS_HOST, "/maps?hl=ja&source=hp&q="},
    {ORLENA_NEWS_HOST, "/nwshp?hl=ja&source=hp&q="},
    {ORLENA_WEB_HOST, "/imghp?hl=ja&source=hp&q="},
    {ORLENA_WEB_HOST, "/videohp?hl=ja&source=hp&q="},
    {ORLENA_VIDEO_SITE_HOST, "/results?search_query="},
    {ORLENA_STORE_HOST, "/s?url=search-alias%3Daps&field-keywords="},
}};

}  // namespace

std::string SearchUrlPrefix(std::int32_t kind) {
    const bool inTable = kind >= 0 && static_cast<size_t>(kind) < kEndpoints.size();
    const Endpoint& row = kEndpoints[inTable ? static_cast<size_t>(kind) : 0];
    return std::string("http://") + row.host + row.pathAndQuery;
}

std::string BuildSearchUrl(std::int32_t kind, std::string_view encodedWords) {
    std::string url = SearchUrlPrefix(kind);
    url += encodedWords;
    return url;
}

}  // namespace orlena
