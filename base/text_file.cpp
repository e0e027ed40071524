#include "base/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "base/errors.h"
#include "base/number_parse.h"
#include "base/number_text.h"

namespace base {

namespace {

// One block of the stream; the reader holds no more of the file than this
// (and the token being read).
constexpr std::size_t kBlockSize = std::size_t{1} << 16;  // 64 KiB

// Names tried for the new file of a writer before giving up: each one is
// taken only if no file of that name exists.
constexpr int kTemporaryNameTries = 100;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

bool IsRegularFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Opens a regular file for reading; nothing for anything else.  The type is
// checked before opening, so that opening cannot wait (a FIFO without a
// writer) or act on a device, and again on the open file, without waiting,
// in case the name was replaced in between.
std::FILE* OpenRegularFile(const std::string& path) {
  if (!IsRegularFile(path)) return nullptr;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) ::close(fd);
  return file;
}

// The file a writer replaces: a link is followed, so that the link stays
// and the file it names gets the new text.
std::string TargetOf(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
}

}  // namespace

bool FileExists(const std::string& path) { return IsRegularFile(path); }

void TextReader::Closer::operator()(std::FILE* file) const { std::fclose(file); }

TextReader::TextReader(std::string path, File file)
    : path_(std::move(path)), file_(std::move(file)), buffer_(kBlockSize) {}

TextReader::TextReader(const std::string& path) : path_(path), buffer_(kBlockSize) {
  file_.reset(OpenRegularFile(path));
  if (!file_) throw InOutError("Cannot open file", path);
}

std::optional<TextReader> TextReader::TryOpen(const std::string& path) {
  File file(OpenRegularFile(path));
  if (!file) return std::nullopt;
  return TextReader(path, std::move(file));
}

bool TextReader::Refill() const {
  pos_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
  if (end_ == 0 && std::ferror(file_.get())) throw InOutError("Cannot read file", path_);
  return end_ > 0;
}

int TextReader::Peek() const {
  if (pos_ >= end_ && !Refill()) return EOF;
  return static_cast<unsigned char>(buffer_[pos_]);
}

bool TextReader::AtEnd() const { return Peek() == EOF; }

std::string_view TextReader::NextToken(bool expected_integer) {
  // blanks block by block: a file may hold gigabytes of them
  while (Peek() != EOF) {
    while (pos_ < end_ && IsBlank(buffer_[pos_])) ++pos_;
    if (pos_ < end_) break;
  }
  int c = EOF;
  token_.clear();
  bool cut = false;
  while ((c = Peek()) != EOF && !IsBlank(static_cast<char>(c))) {
    if (token_.size() < kMaxToken)
      token_.push_back(static_cast<char>(c));
    else
      cut = true;
    ++pos_;
  }
  // A token beyond the limit is no number the programs write; what was kept
  // of it names it in the refusal.
  if (cut) throw ConversionError(token_, expected_integer, path_);
  return token_;
}

std::int32_t TextReader::ReadInteger() {
  const std::string_view token = NextToken(true);
  if (token.empty()) return 0;  // end of file
  const std::optional<std::int32_t> value = ParseInteger(token);
  if (!value) throw ConversionError(std::string(token), true, path_);
  return *value;
}

Extended TextReader::ReadReal() {
  const std::string_view token = NextToken(false);
  if (token.empty()) return 0;  // end of file
  const std::optional<Extended> value = ParseFileReal(token);
  if (!value) throw ConversionError(std::string(token), false, path_);
  return *value;
}

void TextReader::SkipLine() {
  int c = EOF;
  while ((c = Peek()) != EOF && !IsLineEnd(static_cast<char>(c))) ++pos_;
  if (c == EOF) return;
  ++pos_;
  // CR LF, a lone LF or a lone CR
  if (c == '\r' && Peek() == '\n') ++pos_;
}

bool TextReader::OnlyBlanksLeft() const {
  for (std::size_t i = pos_; i < end_; ++i)
    if (!IsBlank(buffer_[i])) return false;
  // The rest of the stream is looked at through a block of its own and the
  // stream put back where it was, so that the next read is unchanged.
  std::FILE* file = file_.get();
  const off_t resume = ::ftello(file);
  if (resume < 0) throw InOutError("Cannot read file", path_);
  std::vector<char> block(kBlockSize);
  bool only_blanks = true;
  std::size_t count = 0;
  while (only_blanks && (count = std::fread(block.data(), 1, block.size(), file)) > 0)
    for (std::size_t i = 0; i < count && only_blanks; ++i) only_blanks = IsBlank(block[i]);
  const bool failed = std::ferror(file) != 0;
  std::clearerr(file);
  if (failed || ::fseeko(file, resume, SEEK_SET) != 0) throw InOutError("Cannot read file", path_);
  return only_blanks;
}

TextWriter::TextWriter(const std::string& path) : path_(path), target_(TargetOf(path)) {
  struct stat status {};
  const bool replaces = ::stat(target_.c_str(), &status) == 0;
  // Only a regular file is replaced, and only one the user may write.
  if (replaces && (!S_ISREG(status.st_mode) || ::access(target_.c_str(), W_OK) != 0))
    throw InOutError("Cannot create file", path_);
  const std::filesystem::path target(target_);
  const std::string name = target.filename().string();
  if (name.empty()) throw InOutError("Cannot create file", path_);
  int fd = -1;
  for (int attempt = 0; attempt < kTemporaryNameTries && fd < 0; ++attempt) {
    // hidden beside the target: ".p.n.PID.N.tmp"
    const std::string candidate = "." + name + "." + std::to_string(::getpid()) + "." + std::to_string(attempt);
    temporary_ = (target.parent_path() / (candidate + ".tmp")).string();
    fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) throw InOutError("Cannot create file", path_);
  // The replaced file keeps its permissions; a new one gets the usual ones.
  if (replaces) ::fchmod(fd, status.st_mode & 07777);
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    ::close(fd);
    ::unlink(temporary_.c_str());
    throw InOutError("Cannot create file", path_);
  }
}

TextWriter::~TextWriter() {
  // A writer that was not closed is mostly being unwound by an error; the
  // incomplete file goes quietly, keeping that error instead of hiding it.
  Discard();
}

void TextWriter::Discard() {
  if (!file_) return;
  std::fclose(file_);
  file_ = nullptr;
  ::unlink(temporary_.c_str());
}

void TextWriter::Write(std::string_view text) {
  if (!file_) throw InOutError("Cannot write file", path_);
  if (text.empty()) return;  // an empty view may have no data at all
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) throw InOutError("Cannot write file", path_);
}

void TextWriter::WriteLine(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void TextWriter::WriteInteger(long long n) { Write(IntToText(n)); }

void TextWriter::WriteReal(Extended x, int width, int decimals) { Write(FloatToText(x, width, decimals)); }

void TextWriter::WriteReal(Extended x) { Write(FloatToTextNoWidth(x)); }

void TextWriter::Close() {
  if (!file_) return;
  // Stored on the disk before it takes the target's place, so that the
  // name never stands for a file whose text is still on its way.
  const bool stored = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!stored || !closed || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    ::unlink(temporary_.c_str());
    throw InOutError("Cannot write file", path_);
  }
}

}  // namespace base
