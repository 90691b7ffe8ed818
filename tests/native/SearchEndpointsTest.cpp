#include "EndpointHosts.h"
#include "SearchEndpoints.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Url(const char* host, const char* rest) { return std::string("http://") + host + rest; }

TEST(SearchEndpoints, EachKindSelectsItsService) {
    const struct {
        int kind;
        std::string prefix;
    } rows[] = {
        {0, Url(ORLENA_WEB_HOST, "/search?hl=ja&source=hp&q=")},
        {1, Url(ORLENA_MAPS_HOST, "/maps?hl=ja&source=hp&q=")},
        {2, Url(ORLENA_NEWS_HOST, "/nwshp?hl=ja&source=hp&q=")},
        {3, Url(ORLENA_WEB_HOST, "/imghp?hl=ja&source=hp&q=")},
        {4, Url(ORLENA_WEB_HOST, "/videohp?hl=ja&source=hp&q=")},
        {5, Url(ORLENA_VIDEO_SITE_HOST, "/results?search_query=")},
        {6, Url(ORLENA_STORE_HOST, "/s?url=search-alias%3Daps&field-keywords=")},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(orlena::BuildSearchUrl(row.kind, "abc"), row.prefix + "abc") << "kind " << row.kind;
    }
}

TEST(SearchEndpoints, KindsOutsideTheTableFallBackToWebSearch) {
    for (int kind : {-1, 7, 100, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(orlena::SearchUrlPrefix(kind), orlena::SearchUrlPrefix(0)) << "kind " << kind;
    }
}

}  // namespace
