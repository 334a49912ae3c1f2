// Reads arbitrary bytes as a data file, composes a batch of every style it holds (the first
// few) and lays the text out in a text box the size of the main window's, offscreen, as a
// press of Again would. Words that bring in placeholders can make long text; libFuzzer's
// -timeout (scripts/fuzz) is the bound on the time one input may take.
#include "data/Archive.h"
#include "data/ArchiveError.h"
#include "data/InsultGenerator.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"
#include "ui/DisplayText.h"

#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

using namespace razzlewick;

namespace {

constexpr size_t kStylesShown = 4;
constexpr int16_t kInsultsPerBatch = 16;

QPlainTextEdit* textBox = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication application(*argc, *argv);
    static QPlainTextEdit box;
    // The main window's text box at 96 dpi: 175 by 61 dialog units, wrapping at its width.
    box.resize(306, 99);
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.setReadOnly(true);
    textBox = &box;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int fd = memfd_create("fuzz.dat", 0);
    if (fd < 0) {
        return 0;
    }
    InsultGenerator engine;
    if (write(fd, data, size) == static_cast<ssize_t>(size) && lseek(fd, 0, SEEK_SET) == 0) {
        try {
            Archive archive(fd, Archive::Mode::Loading);
            engine.Serialize(archive);
        } catch (const ArchiveError&) {
            // What was read before the break is composed all the same, as the program does.
        }
    }
    close(fd);

    SeedRandom(static_cast<uint32_t>(size));
    size_t shown = 0;
    for (const auto& entry : engine.Styles()) {
        if (shown++ == kStylesShown) {
            break;
        }
        engine.SelectStyle(entry.first);
        const std::string text = Generate(engine, kInsultsPerBatch, true);
        // Whole insults of at most kInsultLimit characters, each with its ".\r\n".
        if (text.size() > kInsultsPerBatch * (kInsultLimit + 3) || !text.ends_with(".\r\n")) {
            std::abort();
        }
        textBox->setPlainText(EngineTextToDisplay(text));
        auto* layout =
            qobject_cast<QPlainTextDocumentLayout*>(textBox->document()->documentLayout());
        for (QTextBlock block = textBox->document()->begin(); block.isValid();
             block = block.next()) {
            layout->ensureBlockLayout(block);
        }
    }
    return 0;
}
