// Replays fuzzer inputs (files, or folders of files) through the fuzz
// target in an ordinary build, so kept inputs run with the other tests.

#include <QDirIterator>
#include <QFile>

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList files{QString::fromLocal8Bit(argv[i])};
        if (QFileInfo(files.first()).isDir()) {
            files.clear();
            for (QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files); it.hasNext();)
                files.append(it.next());
            files.sort();
        }
        for (const QString &name : files) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly))
                return std::fprintf(stderr, "cannot read %s\n", qPrintable(name)), 1;
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("replayed %d fuzzer inputs\n", replayed);
}
