#ifndef FILEDESCRIPTOR_H
#define FILEDESCRIPTOR_H

// An open file or folder of the operating system, closed when it goes out
// of scope. Files in the state folder are opened through one, relative to
// the folder's, so that a name planted in between cannot redirect them.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor(descriptor) {}
    ~FileDescriptor();

    FileDescriptor(FileDescriptor&& other) noexcept : descriptor(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const { return descriptor >= 0; }
    int get() const { return descriptor; }
    // Hands the descriptor over to whoever closes it next.
    int release();

private:
    int descriptor = -1;
};

#endif
