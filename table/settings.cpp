#include "table/settings.h"
#include "table/strtoint.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>

#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stud {

// ---- the text layer -----------------------------------------------------------

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only ASCII letters fold: the platform's case rules for other bytes depend on
// a code page we do not have, and a settings file of ours never needs them.
bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// The line end new lines get: that of the file's first line, else "\n".
std::string_view lineEndOf(std::string_view text) {
    const std::size_t nl = text.find('\n');
    if (nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r') return "\r\n";
    return "\n";
}

std::size_t offsetIn(std::string_view whole, std::string_view part) {
    return static_cast<std::size_t>(part.data() - whole.data());
}

} // namespace

bool IniLineReader::next(IniLine& line) {
    if (rest_.empty()) return false;
    line = IniLine{};
    const std::size_t nl = rest_.find('\n');
    if (nl == std::string_view::npos) {
        line.text = rest_;
        rest_ = {};
    } else {
        const std::size_t cr = nl > 0 && rest_[nl - 1] == '\r' ? 1 : 0;
        line.text = rest_.substr(0, nl - cr);
        line.eol = rest_.substr(nl - cr, cr + 1);
        rest_.remove_prefix(nl + 1);
    }

    const std::string_view body = trim(line.text);
    if (body.empty() || body.front() == ';' || body.front() == '#') return true;
    if (body.front() == '[') {
        const std::size_t close = body.rfind(']');
        if (close == std::string_view::npos) return true; // a broken header is just text
        line.kind = IniLineKind::Section;
        line.name = trim(body.substr(1, close - 1));
        sectionSeen_ = true;
        return true;
    }
    // Lines before the first header belong to no section and can never match.
    if (!sectionSeen_) return true;
    const std::size_t eq = body.find('=');
    if (eq == std::string_view::npos) return true;
    const std::string_view key = trim(body.substr(0, eq));
    if (key.empty()) return true;
    line.kind = IniLineKind::Key;
    line.name = key;
    // Leading blanks go, so that the view starts where the value text starts.
    std::string_view value = body.substr(eq + 1);
    while (!value.empty() && isBlank(value.front())) value.remove_prefix(1);
    line.value = trim(value);
    return true;
}

std::optional<std::string_view> findIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
    IniLineReader reader(text);
    IniLine line;
    bool inSection = false;
    while (reader.next(line)) {
        if (line.kind == IniLineKind::Section) {
            if (inSection) return std::nullopt; // only the first such section counts
            inSection = equalNoCase(line.name, section);
        } else if (inSection && line.kind == IniLineKind::Key && equalNoCase(line.name, key)) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::string setIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    const std::string_view eol = lineEndOf(text);
    IniLineReader reader(text);
    IniLine line;
    bool inSection = false;
    bool sectionFound = false;
    // End of the section's last non-blank line, and whether that line lacks
    // its line end (the file's last line).
    std::size_t insertAt = 0;
    bool insertNeedsEol = false;

    while (reader.next(line)) {
        if (line.kind == IniLineKind::Section) {
            if (inSection) break;
            if (!sectionFound && equalNoCase(line.name, section)) inSection = sectionFound = true;
        } else if (inSection && line.kind == IniLineKind::Key && equalNoCase(line.name, key)) {
            // Keep the key as spelt and the blanks after "="; what followed the
            // value on the line was only trailing blanks.
            const std::size_t from = offsetIn(text, line.value);
            const std::size_t to = offsetIn(text, line.text) + line.text.size();
            std::string out;
            out.reserve(text.size() - (to - from) + value.size());
            out.append(text.substr(0, from)).append(value).append(text.substr(to));
            return out;
        }
        if (inSection && !trim(line.text).empty()) {
            insertAt = offsetIn(text, line.text) + line.text.size() + line.eol.size();
            insertNeedsEol = line.eol.empty();
        }
    }

    std::string entry;
    entry.append(key).append("=").append(value).append(eol);
    std::string out;
    if (sectionFound) {
        out.reserve(text.size() + entry.size() + eol.size());
        out.append(text.substr(0, insertAt));
        if (insertNeedsEol) out.append(eol);
        out.append(entry).append(text.substr(insertAt));
        return out;
    }

    out.reserve(text.size() + section.size() + entry.size() + 3 * eol.size() + 2);
    out.append(text);
    if (!text.empty()) {
        if (text.back() != '\n') out.append(eol);
        // A blank line between sections, unless the file already ends with one.
        IniLineReader last(text);
        IniLine l, prev;
        while (last.next(l)) prev = l;
        if (!trim(prev.text).empty()) out.append(eol);
    }
    out.append("[").append(section).append("]").append(eol).append(entry);
    return out;
}

bool isWritableIniEntry(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasLineBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    if (section.empty() || trim(section) != section || hasLineBreak(section) ||
        section.find(']') != std::string_view::npos)
        return false;
    if (key.empty() || trim(key) != key || hasLineBreak(key) ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
        key.front() == '#')
        return false;
    return !hasLineBreak(value);
}

std::optional<std::int32_t> parseIniInteger(std::string_view text) {
    text = trim(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hex is a 32-bit pattern, as the platform reads it: 0xFFFFFFFF is -1.
        std::uint64_t v = 0;
        for (const char c : text.substr(2)) {
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return std::nullopt;
            v = v * 16 + static_cast<std::uint64_t>(digit);
            if (v > 0xFFFFFFFFu) return std::nullopt; // checked per digit: never overflows
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
    std::int32_t v = 0;
    if (!tryStrToInt(std::string(text), v)) return std::nullopt;
    return v;
}

// ---- the file ---------------------------------------------------------------------

namespace {

enum class LoadResult { Ok, Missing, Failed };

struct FileDescriptor {
    int fd = -1;
    explicit FileDescriptor(int f) : fd(f) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// Reads a whole regular file. Anything else at the path (a directory, a pipe
// that would block us, a device) counts as a failure, as does a file too big
// to be ours. `mode` receives the file's permission bits.
LoadResult loadFile(const std::string& path, std::string& text, mode_t& mode) {
    text.clear();
    const int raw = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (raw < 0) return errno == ENOENT ? LoadResult::Missing : LoadResult::Failed;
    FileDescriptor f(raw);
    struct stat st {};
    if (::fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode)) return LoadResult::Failed;
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxIniFileSize) return LoadResult::Failed;
    mode = st.st_mode & 07777;
    try {
        // The size is only a hint: the file may change while we read it.
        text.resize(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        for (;;) {
            if (got == text.size()) {
                if (got > kMaxIniFileSize) return LoadResult::Failed;
                text.resize(std::min(got + 4096, kMaxIniFileSize + 1));
            }
            const ssize_t n = ::read(f.fd, text.data() + got, text.size() - got);
            if (n < 0) {
                if (errno == EINTR) continue;
                return LoadResult::Failed;
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        text.resize(got);
    } catch (const std::bad_alloc&) {
        return LoadResult::Failed;
    }
    return LoadResult::Ok;
}

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// mkdir -p. New folders are private to the user, as configuration folders
// should be.
bool makeDirectories(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (errno != ENOENT) return false;
    const std::string up = parentOf(dir);
    if (up != dir && !makeDirectories(up)) return false;
    if (::mkdir(dir.c_str(), 0700) == 0) return true;
    return errno == EEXIST && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A write killed between creating its temporary file and the rename leaves
// the temporary behind. Ours are ".<name>.XXXXXX" beside the file; one of
// those that is ours, a plain file and an hour old belongs to no write still
// running (a write takes milliseconds), so it is removed. Anything else in
// the folder is left alone.
constexpr std::time_t kStaleTempSeconds = 60 * 60;

void removeStaleTemps(const std::string& dir, const std::string& base) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    const std::string prefix = "." + base + ".";
    const std::time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name(e->d_name);
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix) continue;
        const std::string path = dir + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        if (now - st.st_mtime >= kStaleTempSeconds) ::unlink(path.c_str());
    }
    ::closedir(d);
}

// Writes `text` to a temporary file beside `target`, flushes it to the disk
// and renames it over `target`: readers see the old file or the new one,
// never a mix, whatever happens in between.
bool replaceFile(const std::string& target, std::string_view text, const mode_t* keepMode) {
    const std::string dir = parentOf(target);
    const std::string base = target.substr(target.rfind('/') + 1);
    removeStaleTemps(dir, base);
    std::string temp = dir + "/." + base + ".XXXXXX";
    const int raw = ::mkostemp(temp.data(), O_CLOEXEC);
    if (raw < 0) return false;
    bool ok;
    {
        FileDescriptor f(raw);
        ok = writeAll(f.fd, text) && (!keepMode || ::fchmod(f.fd, *keepMode) == 0) &&
             ::fsync(f.fd) == 0;
        const int fd = f.fd;
        f.fd = -1;
        ok = (::close(fd) == 0) && ok;
    }
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; the data is already safe either way.
    const int d = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return true;
}

// A link is followed, so that a settings file kept elsewhere (and linked
// into the folder) is updated rather than replaced by a copy.
std::string resolveLink(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string out(real);
    std::free(real);
    return out;
}

} // namespace

// ---- the store ---------------------------------------------------------------------

std::string SettingsStore::readString(std::string_view section, std::string_view key,
                                      const std::string& def) const {
    return read(section, key).value_or(def);
}

std::int32_t SettingsStore::readInteger(std::string_view section, std::string_view key,
                                        std::int32_t def) const {
    // A sentinel default cannot tell "missing" from a stored value equal to
    // it, so look the text up and parse it here.
    const auto value = read(section, key);
    if (!value) return def;
    return parseIniInteger(*value).value_or(def);
}

bool SettingsStore::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void SettingsStore::writeString(std::string_view section, std::string_view key,
                                std::string_view value) {
    const SettingsValue one{section, key, std::string(value)};
    write({&one, 1});
}

void SettingsStore::writeInteger(std::string_view section, std::string_view key,
                                 std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

void SettingsStore::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

namespace {

bool isWritableGroup(std::span<const SettingsValue> group) {
    for (const SettingsValue& v : group)
        if (!isWritableIniEntry(v.section, v.key, v.value)) return false;
    return true;
}

// `text` with every value of the group set, in order.
std::string withGroup(std::string_view text, std::span<const SettingsValue> group) {
    std::string updated(text);
    for (const SettingsValue& v : group) updated = setIniValue(updated, v.section, v.key, v.value);
    return updated;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::optional<std::string> IniFile::read(std::string_view section, std::string_view key) const {
    try {
        std::string text;
        mode_t mode = 0;
        if (loadFile(path_, text, mode) != LoadResult::Ok) return std::nullopt;
        const auto value = findIniValue(text, section, key);
        if (!value) return std::nullopt;
        return std::string(*value);
    } catch (const std::bad_alloc&) {
        return std::nullopt; // reading never fails, not even for want of memory
    }
}

void IniFile::write(std::span<const SettingsValue> group) {
    if (!isWritableGroup(group)) throw SettingsError(path_);
    const std::string target = resolveLink(path_);
    if (!makeDirectories(parentOf(target))) throw SettingsError(path_);

    std::string text;
    mode_t mode = 0;
    const LoadResult loaded = loadFile(target, text, mode);
    // A file we cannot read is not rewritten: that would throw away its
    // contents. A read-only file stays as it is, although the rename would
    // get past it: making it read-only is how a user says so. The super-user
    // passes access() whatever the bits say, so a file without a single write
    // bit counts as read-only for everybody.
    if (loaded == LoadResult::Failed) throw SettingsError(path_);
    if (loaded == LoadResult::Ok && (::access(target.c_str(), W_OK) != 0 || (mode & 0222) == 0))
        throw SettingsError(path_);

    std::string updated;
    try {
        updated = withGroup(text, group);
    } catch (const std::bad_alloc&) {
        throw SettingsError(path_);
    }
    if (loaded == LoadResult::Ok && updated == text) return; // already stored
    if (updated.size() > kMaxIniFileSize) throw SettingsError(path_);
    if (!replaceFile(target, updated, loaded == LoadResult::Ok ? &mode : nullptr))
        throw SettingsError(path_);
}

std::optional<std::string> MemorySettings::read(std::string_view section,
                                                std::string_view key) const {
    const auto value = findIniValue(text_, section, key);
    if (!value) return std::nullopt;
    return std::string(*value);
}

void MemorySettings::write(std::span<const SettingsValue> group) {
    if (!isWritableGroup(group)) throw SettingsError(name_);
    std::string updated = withGroup(text_, group);
    if (updated.size() > kMaxIniFileSize) throw SettingsError(name_);
    text_ = std::move(updated);
}

SettingsError::SettingsError(const std::string& file) : StudError("Unable to write to %1", file) {}

std::string settingsFilePath(std::string_view bareName) {
    std::string base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
        std::string home;
        if (const char* h = std::getenv("HOME"); h && h[0] != '\0') {
            home = h;
        } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
            home = pw->pw_dir;
        }
        if (home.empty()) return std::string(bareName); // nowhere better: the working folder
        while (home.size() > 1 && home.back() == '/') home.pop_back();
        base = (home == "/" ? "" : home) + "/.config";
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    if (base == "/") base.clear();
    return base + "/sevenstud/" + std::string(bareName);
}

} // namespace stud
