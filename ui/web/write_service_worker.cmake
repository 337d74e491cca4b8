# SPDX-License-Identifier: MIT
# Writes the service worker from its template: the list of the site's files and a cache name
# taken from their contents.  cmake -D SITE=dir -D FILES="a;b" -D TEMPLATE=sw.js.in -P this
set(hashes "")
set(quoted "")
foreach(file IN LISTS FILES)
    file(SHA256 "${SITE}/${file}" hash)
    string(APPEND hashes "${hash}")
    string(APPEND quoted "  \"${file}\",\n")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 VERSION)
set(FILE_LIST "${quoted}")
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
