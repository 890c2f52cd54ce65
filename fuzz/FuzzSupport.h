// What every fuzzer shares: the checks of its properties and a scratch
// installation folder for the readers that read files.
#pragma once

#include "core/common/AppPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>

#include <sanitizer/allocator_interface.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The scratch folder needs no safety against power cuts, and syncing every
// write would make the file readers' fuzzers a hundred times slower.
extern "C" int fsync(int) { return 0; }
extern "C" int fdatasync(int) { return 0; }
extern "C" int syncfs(int) noexcept { return 0; }
extern "C" int sync_file_range(int, __off64_t, __off64_t, unsigned int) { return 0; }

namespace fuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

[[noreturn]] inline void fail(const char *what)
{
    fprintf(stderr, "property failed: %s\n", what);
    abort();
}

inline void require(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

// Lone surrogates turn into '?' on disk and break a record's character count.
inline void requireValidUtf16(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                fail("lone high surrogate");
            ++i;
        } else if (text[i].isLowSurrogate()) {
            fail("lone low surrogate");
        }
    }
}

inline void requireValidUtf16(const QStringList &texts)
{
    for (const QString &text : texts)
        requireValidUtf16(text);
}

// Offscreen, so readers that touch fonts or documents run without a display.
inline void startApplication(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
}

// A private installation folder for the whole run, so a reader that writes or
// removes files only ever touches these.
inline const QString &scratch()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/pintora-fuzz-XXXXXX"));
    static const QString path = [] {
        AppPaths::setAppDir(dir.path());
        AppPaths::ensureInstallationFolders();
        return dir.path();
    }();
    return path;
}

inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        fail("cannot write the scratch file");
}

// The most memory live at once while a reader runs, beyond what was live when it
// started, through the sanitizer's allocation hooks (every thread counts).
class AllocationBound {
public:
    AllocationBound(size_t inputSize, size_t multiple, size_t slack = 8u << 20)
        : m_limit(inputSize * multiple + slack)
    {
        s_peak = s_live.load();
        m_base = s_live.load();
    }
    ~AllocationBound()
    {
        const size_t peak = s_peak.load();
        if (peak > m_base && peak - m_base > m_limit) {
            fprintf(stderr, "allocated %zu bytes beyond the start, limit %zu\n", peak - m_base, m_limit);
            abort();
        }
    }
    static void install()
    {
        __sanitizer_install_malloc_and_free_hooks(&onMalloc, &onFree);
    }

private:
    static void onMalloc(const volatile void *pointer, size_t size)
    {
        (void)pointer;
        const size_t live = s_live.fetch_add(size) + size;
        size_t peak = s_peak.load();
        while (live > peak && !s_peak.compare_exchange_weak(peak, live)) {
        }
    }
    static void onFree(const volatile void *pointer)
    {
        if (pointer) {
            const size_t size = __sanitizer_get_allocated_size(const_cast<const void *>(pointer));
            s_live.fetch_sub(size);
        }
    }
    static inline std::atomic<size_t> s_live{0};
    static inline std::atomic<size_t> s_peak{0};
    size_t m_limit;
    size_t m_base = 0;
};

} // namespace fuzz
