#include "ModuleCheck.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cstring>

namespace durak {

namespace {

// This program's own ELF header: the kind of machine and word size a module must match.
using TElfHeader = ElfW(Ehdr);
using TProgramHeader = ElfW(Phdr);

QString MachineName(unsigned machine) {
  switch (machine) {
    case EM_386:
      return QStringLiteral("x86 (32-bit)");
    case EM_X86_64:
      return QStringLiteral("x86-64");
    case EM_ARM:
      return QStringLiteral("ARM (32-bit)");
    case EM_AARCH64:
      return QStringLiteral("ARM64");
    case EM_RISCV:
      return QStringLiteral("RISC-V");
    case EM_PPC64:
      return QStringLiteral("POWER (64-bit)");
    case EM_S390:
      return QStringLiteral("s390");
    default:
      return QStringLiteral("machine %1").arg(machine);
  }
}

constexpr unsigned char kOwnClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char kOwnData = ELFDATA2LSB;
#else
constexpr unsigned char kOwnData = ELFDATA2MSB;
#endif

// The machine this program runs as, from its own header in memory.
unsigned OwnMachine() {
  TElfHeader own{};
  const int fd = ::open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    if (::pread(fd, &own, sizeof own, 0) != static_cast<ssize_t>(sizeof own)) own.e_machine = 0;
    ::close(fd);
  }
  if (own.e_machine != 0) return own.e_machine;
#if defined(__x86_64__)
  return EM_X86_64;
#elif defined(__aarch64__)
  return EM_AARCH64;
#elif defined(__i386__)
  return EM_386;
#else
  return 0;
#endif
}

bool Inside(uint64_t offset, uint64_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

}  // namespace

QString CheckModuleFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  // Never a pipe or a device: opening one may block.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
  struct stat st {};
  QString problem;
  TElfHeader header{};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    problem = QStringLiteral("not a regular file");
  } else if (::pread(fd, &header, sizeof header, 0) < static_cast<ssize_t>(EI_NIDENT) ||
             std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) {
    problem = QStringLiteral("not a shared library (no ELF header)");
  } else if (header.e_ident[EI_CLASS] != kOwnClass || header.e_ident[EI_DATA] != kOwnData) {
    problem = QStringLiteral(
                  "built for another kind of machine (%1-bit %2-endian), not for this "
                  "%3-bit %4-endian one")
                  .arg(header.e_ident[EI_CLASS] == ELFCLASS64 ? 64 : 32)
                  .arg(header.e_ident[EI_DATA] == ELFDATA2MSB ? "big" : "little")
                  .arg(sizeof(void*) * 8)
                  .arg(kOwnData == ELFDATA2MSB ? "big" : "little");
  } else if (static_cast<uint64_t>(st.st_size) < sizeof header) {
    problem = QStringLiteral("cut short (%1 bytes)").arg(st.st_size);
  } else if (header.e_machine != OwnMachine()) {
    problem = QStringLiteral("built for another machine architecture (%1), not for this one (%2)")
                  .arg(MachineName(header.e_machine), MachineName(OwnMachine()));
  } else if (header.e_type != ET_DYN) {
    problem = QStringLiteral("not a shared library");
  } else {
    const uint64_t size = static_cast<uint64_t>(st.st_size);
    const uint64_t tables = uint64_t{header.e_phnum} * header.e_phentsize;
    if (header.e_phentsize != sizeof(TProgramHeader) || header.e_phnum == 0 ||
        !Inside(header.e_phoff, tables, size) ||
        !Inside(header.e_shoff, uint64_t{header.e_shnum} * header.e_shentsize, size)) {
      problem = QStringLiteral("cut short or damaged (%1 bytes; its header tables lie beyond)")
                    .arg(st.st_size);
    }
    // Every part the loader maps from the file must be in the file: a part beyond its end
    // is a bus error at the first touch.
    for (unsigned i = 0; problem.isEmpty() && i < header.e_phnum; ++i) {
      TProgramHeader segment{};
      const auto at = static_cast<off_t>(header.e_phoff + uint64_t{i} * sizeof segment);
      if (::pread(fd, &segment, sizeof segment, at) != static_cast<ssize_t>(sizeof segment)) {
        problem = QStringLiteral("cut short (%1 bytes)").arg(st.st_size);
      } else if (segment.p_type != PT_NULL && !Inside(segment.p_offset, segment.p_filesz, size)) {
        problem = QStringLiteral("cut short (%1 bytes; its code and data need %2)")
                      .arg(st.st_size)
                      .arg(segment.p_offset + segment.p_filesz);
      }
    }
  }
  ::close(fd);
  return problem;
}

}  // namespace durak
