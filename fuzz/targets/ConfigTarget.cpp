// The configuration file as the main menu applies it: read into the list,
// the options read from it (ParamsInit), then written back and put into
// effect (ParamsSet). Whatever the file holds, the options come out in
// range, only lines 1 and 2 change (the others keep their bytes), and a
// second application is stable.
#include "ConfigList.h"
#include "FuzzSupport.h"
#include "Rules.h"

using namespace tamb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList file = TextLines::split(fuzz::bytesOf(data, size));
    QStringList list = file;

    const ConfigList::Options options = ConfigList::read(list);
    FUZZ_CHECK(options.speed >= 0 && options.speed <= 100);
    FUZZ_CHECK(list.size() >= 3 && list.size() >= file.size());
    ConfigList::write(list, options);

    const int delay = GameDelayForSpeed(options.speed);
    FUZZ_CHECK(delay >= 10 && delay <= 10000010);
    FUZZ_CHECK(KirpIntervalMs(delay) >= 300 && KirpIntervalMs(delay) <= 5300);

    FUZZ_CHECK(list.at(1) == QString::number(options.speed));
    FUZZ_CHECK(list.at(2) == (options.sound ? QStringLiteral("1") : QStringLiteral("0")));
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i == 1 || i == 2) continue;
        if (i < file.size()) FUZZ_CHECK(list.at(i) == file.at(i));
    }
    // What OK writes keeps the bytes of every line the options do not own,
    // whatever their encoding.
    const std::vector<QByteArray> model = fuzz::byteLines(fuzz::bytesOf(data, size));
    const std::vector<QByteArray> written = fuzz::byteLines(TextLines::join(list));
    FUZZ_CHECK(written.size() == static_cast<size_t>(list.size()));
    for (size_t i = 0; i < model.size(); ++i)
        if (i != 1 && i != 2) FUZZ_CHECK(written[i] == model[i]);

    // Saved with OK and read at the next showing of the menu: the same
    // options and the same list.
    QStringList reread = TextLines::split(TextLines::join(list));
    FUZZ_CHECK(reread == list);
    const ConfigList::Options second = ConfigList::read(reread);
    FUZZ_CHECK(second.speed == options.speed && second.sound == options.sound);
    ConfigList::write(reread, second);
    FUZZ_CHECK(reread == list);
    return 0;
}
