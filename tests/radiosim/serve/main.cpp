// Serves the simulated radio on a pseudo-terminal and prints its slave path,
// for trying the whole program by hand: point a port number at the path in
// the settings section "PortMap" (key "COM" & n) and read or write as usual.
//
//   radiosim-serve [--paced] [--long-probe] [--long-id]
//                  [--memory FILE] [--save FILE]
//
// --memory loads the radio's 8,192 bytes from a raw file; --save writes them to
// one when the program is stopped (Ctrl+C).

#include "radiosim/RadioSim.h"

#include <QFile>
#include <QString>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

QString optionValue(int argc, char** argv, const char* name) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return QString();
}

bool hasFlag(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

bool loadMemory(radiosim::RadioSim& radio, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    radio.setMemory(file.readAll());
    return true;
}

bool saveMemory(const radiosim::RadioSim& radio, const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(radio.memory()) == radiosim::MemorySize;
}

void printRecord(const radiosim::RadioSim& radio) {
    std::printf("%lld frames\n", static_cast<long long>(radio.frames().size()));
    for (const QString& v : radio.violations())
        std::printf("violation: %s\n", qPrintable(v));
}

} // namespace

int main(int argc, char** argv) {
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    radiosim::RadioSim radio;
    const QString memoryFile = optionValue(argc, argv, "--memory");
    if (!memoryFile.isEmpty() && !loadMemory(radio, memoryFile)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(memoryFile));
        return 1;
    }
    radio.setPaced(hasFlag(argc, argv, "--paced"));
    radio.setLongProbeAnswer(hasFlag(argc, argv, "--long-probe"));
    radio.setLongIdentity(hasFlag(argc, argv, "--long-id"));
    radio.start();
    std::printf("%s\n", qPrintable(radio.slavePath()));
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.stop();
    printRecord(radio);
    const QString saveFile = optionValue(argc, argv, "--save");
    if (!saveFile.isEmpty() && !saveMemory(radio, saveFile)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(saveFile));
        return 1;
    }
    return 0;
}
