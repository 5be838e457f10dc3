// Runs a fuzz target once over every file of the given folders (or files): the seed corpus is
// replayed this way in every build, also under the sanitizers.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
int Ejecutar(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::vector<char> datos((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(datos.data()), datos.size());
    return 1;
}
} // namespace

int main(int argc, char** argv) {
    int n = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file()) n += Ejecutar(e.path());
        } else if (std::filesystem::is_regular_file(p)) {
            n += Ejecutar(p);
        }
    }
    std::printf("replayed %d inputs\n", n);
    return n > 0 ? 0 : 1;
}
