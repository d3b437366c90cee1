// Entry for the Google Benchmark targets: the library's own flags and --help,
// and a usage line with exit status 2 for anything it does not know.
#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char** argv)
{
    const char* name = argc > 0 ? argv[0] : "bench";
    benchmark::Initialize(&argc, argv); // answers --help itself
    if (argc > 1) {
        std::fprintf(stderr,
                     "%s: unknown argument %s\n"
                     "usage: %s [--benchmark_filter=REGEX] [--benchmark_repetitions=N] [--benchmark_...] "
                     "(--help lists them)\n",
                     name, argv[1], name);
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
