#pragma once
// The program's version numbers as the version box shows them. They come from the one version
// in the build description; nothing here formats them.

namespace zelvanu {

struct ProgramVersion {
    int versionMajor;
    int versionMinor;
    int versionRevision;
};

ProgramVersion programVersion();

} // namespace zelvanu
