// Entry point of the fuzz targets when they are not built with libFuzzer:
// feeds every file named on the command line, and every file in every folder
// named there, to LLVMFuzzerTestOneInput once. Options starting with '-'
// (libFuzzer's own) are ignored. Returns 1 when an input cannot be read.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano);

namespace {

bool Reproducir(const std::filesystem::path& fichero) {
    std::ifstream entrada(fichero, std::ios::binary);
    if (!entrada) {
        std::fprintf(stderr, "No se puede leer %s\n", fichero.c_str());
        return false;
    }
    const std::vector<char> datos((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(datos.data()), datos.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    bool bien = true;
    int reproducidas = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        const std::filesystem::path ruta(argv[i]);
        if (std::filesystem::is_directory(ruta)) {
            for (const auto& elemento : std::filesystem::directory_iterator(ruta))
                if (elemento.is_regular_file()) {
                    bien = Reproducir(elemento.path()) && bien;
                    ++reproducidas;
                }
        } else {
            bien = Reproducir(ruta) && bien;
            ++reproducidas;
        }
    }
    std::printf("%d entradas reproducidas\n", reproducidas);
    return bien ? 0 : 1;
}
