// An emoticon collection file from disk: any bytes as the box text, and the
// text saved and loaded again comes back as it was.
#include "FuzzSupport.h"

#include "core/emoticons/EmoticonStore.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    fuzz::scratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw = fuzz::bytes(data, size);
    fuzz::AllocationBound bound(size, 32);
    const QString text = EmoticonStore::fromFileBytes(raw);
    fuzz::requireValidUtf16(text);
    // What a file's box shows, saved and loaded, is what it showed, unless the
    // file held bytes that are no CP932 (the save asks first then).
    const QString again = EmoticonStore::fromFileBytes(EmoticonStore::toFileBytes(text));
    if (!text.contains(QChar::ReplacementCharacter))
        fuzz::require(again == text, "a collection changes when saved and loaded");

    // Through the file, the way the palette opens it.
    fuzz::writeFile(EmoticonStore::path(0), raw);
    const QString loaded = EmoticonStore::load(0);
    fuzz::require(loaded == text, "load differs from the bytes' reading");
    if (EmoticonStore::savesExactly(0, loaded)) {
        fuzz::require(EmoticonStore::save(0, loaded), "save");
        fuzz::require(EmoticonStore::load(0) == loaded, "a collection said to save exactly did not");
    }
    return 0;
}
