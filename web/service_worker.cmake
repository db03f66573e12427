# Writes the service worker: the list of the page's files, and a cache name
# made of their contents, so that a new build replaces what browsers kept.
set(hashes "")
set(quoted "'./'")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes ${hash})
    string(APPEND quoted ", '${file}'")
endforeach()
string(SHA256 TESSARO_WEB_CACHE "${hashes}")
string(SUBSTRING ${TESSARO_WEB_CACHE} 0 16 TESSARO_WEB_CACHE)
set(TESSARO_WEB_FILES "${quoted}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
