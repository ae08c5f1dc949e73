// Runs every file of a corpus folder through a fuzz target once, as libFuzzer would, so
// that the seeds, and any crash input added to them, are checked on every test run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(argv[1], error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file()) files.push_back(it->path());
    // A missing or empty folder would pass while testing nothing.
    if (error || files.empty()) {
        std::fprintf(stderr, "%s: no corpus files\n", argv[1]);
        return 1;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        if (in.bad()) {
            std::fprintf(stderr, "%s: unreadable\n", file.c_str());
            return 1;
        }
        // Named first, so that an aborting input can be told from the output.
        std::printf("%s\n", file.filename().c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs passed\n", files.size());
    return 0;
}
