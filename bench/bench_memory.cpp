// Resident memory after long use: the monkey of the window tests at the
// real window on the offscreen platform, with the resident set size and the
// heap in use reported after 1,000 events and at steps up to 50,000. Memory
// that levels off is the caches filling (pictures, glyphs); memory that keeps
// growing by the same amount per event is held for good.
//
// bench_memory [events [seed]]: 50,000 events of seed 1 unless given.
#include "monkey.h"
#include "windowfixture.h"

#include <QApplication>

#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

long HeapKiB() { return static_cast<long>(mallinfo2().uordblks / 1024); }

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int events = argc > 1 ? std::atoi(argv[1]) : 50000;
    const quint32 seed = argc > 2 ? static_cast<quint32>(std::strtoul(argv[2], nullptr, 10)) : 1;

    UrlCatcher catcher;  // no browser is started
    Calculator calc;
    Monkey monkey(calc, seed);
    std::printf("monkey seed %u on the window, offscreen\n", seed);
    std::printf("%8s %14s %14s\n", "events", "resident KiB", "heap KiB");
    std::printf("%8d %14ld %14ld\n", 0, ResidentKiB(), HeapKiB());
    for (const int checkpoint : {1000, 2000, 5000, 10000, 20000, 30000, 40000, 50000, 100000, 200000}) {
        if (checkpoint > events)
            break;
        while (monkey.actions() < checkpoint)
            monkey.act();
        catcher.urls.clear();  // the benchmark's own record, not the program's
        std::printf("%8d %14ld %14ld\n", monkey.actions(), ResidentKiB(), HeapKiB());
        std::fflush(stdout);
    }
    return 0;
}
