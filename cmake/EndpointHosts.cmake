# Host names of the search and suggestion services. They are configuration:
# override them with -D at configure time; scheme, paths and ports are fixed
# in the code.
set(ORLENA_WEB_HOST "www.google.co.jp" CACHE STRING "Web, image and video search host")
set(ORLENA_MAPS_HOST "maps.google.co.jp" CACHE STRING "Map search host")
set(ORLENA_NEWS_HOST "news.google.co.jp" CACHE STRING "News search host")
set(ORLENA_VIDEO_SITE_HOST "www.youtube.com" CACHE STRING "Video-sharing site host")
set(ORLENA_STORE_HOST "www.amazon.co.jp" CACHE STRING "Online store host")
set(ORLENA_SUGGEST_HOST "www.google.co.jp" CACHE STRING "Suggestion service host")

configure_file(${CMAKE_CURRENT_LIST_DIR}/EndpointHosts.h.in
               ${CMAKE_BINARY_DIR}/generated/EndpointHosts.h @ONLY)
set(ORLENA_GENERATED_INCLUDE_DIR ${CMAKE_BINARY_DIR}/generated)
