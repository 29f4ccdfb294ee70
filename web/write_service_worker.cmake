# Writes the service worker from its template: the files it keeps, and one digest over their
# contents. Run with -DSITE=dir -DFILES=a;b;c -DTEMPLATE=sw.js.in.
set(digests "")
set(names "'./'")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests "${digest}")
    string(APPEND names ", '${file}'")
endforeach()
string(SHA256 ZELVANU_SITE_DIGEST "${digests}")
string(SUBSTRING ${ZELVANU_SITE_DIGEST} 0 16 ZELVANU_SITE_DIGEST)
set(ZELVANU_SITE_FILES "${names}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
