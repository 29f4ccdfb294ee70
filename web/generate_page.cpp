// Writes the page's markup and layout style sheet, and the start-up benchmark's floor page, from
// the shared window description. Run at build time (under Node): generate_page OUTDIR FLOORDIR.

#include "web/page_markup.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

bool write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: generate_page OUTDIR FLOORDIR\n";
        return 2;
    }
    const std::string site = argv[1], floor = argv[2];
    using namespace zelvanu::web;
    const bool ok =
        write(site + "/index.html", pageHtml()) && write(site + "/layout.css", layoutCss()) &&
        write(floor + "/floor.html", floorHtml()) && write(floor + "/layout.css", layoutCss());
    if (!ok)
        std::cerr << "generate_page: cannot write into " << site << " or " << floor << '\n';
    return ok ? 0 : 1;
}
