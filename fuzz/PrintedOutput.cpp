#include "fuzz/PrintedOutput.h"

#include <QString>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

QByteArray PrintedOutput::of(const std::function<void()>& print)
{
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    const int memory = ::memfd_create("printed", MFD_CLOEXEC);
    if (saved < 0 || memory < 0 || ::dup2(memory, STDOUT_FILENO) < 0)
        std::abort();
    print();
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    QByteArray printed(int(::lseek(memory, 0, SEEK_END)), '\0');
    if (::pread(memory, printed.data(), size_t(printed.size()), 0) != printed.size())
        std::abort();
    ::close(memory);
    return printed;
}

bool PrintedOutput::isInert(const QByteArray& text)
{
    const QVector<uint> characters = QString::fromUtf8(text).toUcs4();
    return std::none_of(characters.cbegin(), characters.cend(), [](uint c) {
        const QChar::Category category = QChar::category(c);
        return c != '\n' && (category == QChar::Other_Control || category == QChar::Other_Format);
    });
}
