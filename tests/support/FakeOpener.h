#ifndef FAKEOPENER_H
#define FAKEOPENER_H

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

// The desktop's opener (xdg-open) as the window finds it on the PATH, for
// the test's lifetime: a script that notes each path it is given and ends
// a second later, opened or failed, or none at all. The second is what a
// real opener may take: the window that asked may be closed before it ends.
class FakeOpener
{
public:
    enum Kind { Opens, Fails, Missing };

    explicit FakeOpener(Kind kind = Opens);
    ~FakeOpener();

    FakeOpener(const FakeOpener&) = delete;
    FakeOpener& operator=(const FakeOpener&) = delete;

    // The paths handed to it so far, in order.
    QStringList opened() const;

private:
    QTemporaryDir folder;
    QByteArray previousPath;
};

#endif
