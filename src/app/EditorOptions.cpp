// "vxl-r381 --help" and "vxl-r381 --version".
#include "EditorOptions.h"

#include "data/ProgramVersion.h"

#include <cstdio>

bool HandleEditorInfoOptions(const QStringList &args, int *exitCode)
{
    // Only a lone option counts: a data file path may arrive split over
    // several arguments and any of its pieces may look like an option.
    if (args.size() != 1)
        return false;
    const QString &arg = args.first();
    QByteArray text;
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
        text = "usage: vxl-r381 [FILE.381]\n\n"
               "The memory editor of the QV-R381 radio. FILE.381 is a data file to open.\n\n"
               "Options:\n"
               "  -h, --help       show this help and exit\n"
               "  -v, --version    show the version and exit\n\n"
               "vxl-r381-cli lists, transfers, exports, imports and compares data files\n"
               "from the command line ('vxl-r381-cli --help').\n";
    } else if (arg == QLatin1String("--version") || arg == QLatin1String("-v")) {
        text = QByteArray("vxl-r381 ") + kProgramVersion + '\n';
    } else {
        return false;
    }
    const bool written = std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size())
        && std::fflush(stdout) == 0;
    *exitCode = written ? 0 : 1;
    return true;
}
