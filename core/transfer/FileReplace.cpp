#include "core/transfer/FileReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
class FileDescriptor
{
public:
    explicit FileDescriptor (int fdToOwn) noexcept : fd (fdToOwn) {}
    ~FileDescriptor() { close(); }

    bool isValid() const noexcept   { return fd >= 0; }
    int get() const noexcept        { return fd; }
    void reset (int fdToOwn) noexcept { close(); fd = fdToOwn; }

    /** A close that fails can mean the last data never reached the file. */
    bool close() noexcept
    {
        if (fd < 0)
            return true;

        const bool closed = ::close (fd) == 0;
        fd = -1;
        return closed;
    }

private:
    int fd;

    JUCE_DECLARE_NON_COPYABLE (FileDescriptor)
};

bool writeAll (int fd, const char* data, size_t numBytes)
{
    while (numBytes > 0)
    {
        const auto written = ::write (fd, data, numBytes);

        if (written < 0)
        {
            if (errno == EINTR)
                continue;

            return false;
        }

        data += written;
        numBytes -= (size_t) written;
    }

    return true;
}

/** The fresh file beside the target; removed again unless it was renamed over the target. */
class SiblingFile
{
public:
    explicit SiblingFile (const juce::File& target)
        : targetPath (target.getFullPathName().toStdString())
    {
        const auto folder = target.getParentDirectory().getFullPathName().toStdString();
        const auto name = target.getFileName().toStdString();

        juce::Random random;    // the shared system generator is not safe to use from several threads

        for (int attempt = 0; attempt < 100 && ! file.isValid(); ++attempt)
        {
            path = folder + "/." + name + "." + juce::String::toHexString (random.nextInt()).toStdString() + ".tmp";
            file.reset (::open (path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));

            if (! file.isValid() && errno != EEXIST)
                break;
        }
    }

    ~SiblingFile()
    {
        file.close();

        if (! renamed && ! path.empty())
            ::unlink (path.c_str());
    }

    int descriptor() const noexcept { return file.get(); }
    bool isValid() const noexcept   { return file.isValid(); }

    /** Forces the content to the medium before the name points at it, then renames. */
    bool commit()
    {
        if (::fsync (file.get()) != 0 || ! file.close())
            return false;

        renamed = ::rename (path.c_str(), targetPath.c_str()) == 0;
        return renamed;
    }

private:
    std::string targetPath, path;
    FileDescriptor file { -1 };
    bool renamed = false;
};
} // namespace

namespace FileReplace
{
bool replaceWithData (const juce::File& target, const void* data, size_t numBytes)
{
    SiblingFile sibling (target);
    return sibling.isValid()
        && writeAll (sibling.descriptor(), static_cast<const char*> (data), numBytes)
        && sibling.commit();
}

bool replaceWithCopyOf (const juce::File& target, const juce::File& source)
{
    FileDescriptor in (::open (source.getFullPathName().toRawUTF8(), O_RDONLY | O_CLOEXEC));
    if (! in.isValid())
        return false;

    SiblingFile sibling (target);
    if (! sibling.isValid())
        return false;

    std::vector<char> buffer (1 << 20);

    for (;;)
    {
        const auto numRead = ::read (in.get(), buffer.data(), buffer.size());

        if (numRead == 0)
            break;

        if (numRead < 0)
        {
            if (errno == EINTR)
                continue;

            return false;
        }

        if (! writeAll (sibling.descriptor(), buffer.data(), (size_t) numRead))
            return false;
    }

    return sibling.commit();
}
} // namespace FileReplace
