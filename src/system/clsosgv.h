#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/system.h"

// The version record that GetVersionExA filled, in either of its two sizes.
struct ZaznamVerze {
  std::uint32_t MajorVersion = 0, MinorVersion = 0, BuildNumber = 0, PlatformId = 0;
  std::string CSDVersion;  // the service-pack text up to its first NUL
  std::uint16_t ServicePackMajor = 0, ServicePackMinor = 0, SuiteMask = 0;
  std::uint8_t ProductType = 0;
  bool Rozsireny = false;  // the extended record was filled, not only the short one
};

// What is kept of GetSystemInfo's record.
struct ZaznamProcesoru {
  std::uint16_t Architektura = 0;
  std::uint32_t PocetProcesoru = 0;
  std::uint32_t TypProcesoru = 0;
};

// What Windows 10 and later say of themselves, where the version record is held back for old
// programs: RtlGetVersion's numbers and the registry's names ("Windows 10 Pro", "24H2", "26100").
struct ZaznamNovehoWindows {
  std::uint32_t MajorVersion = 0, BuildNumber = 0;  // 0: RtlGetVersion is missing
  std::uint8_t ProductType = 0;
  std::string ProductName, DisplayVersion, CurrentBuild;  // empty when unreadable
};

// Everything clsosgv asks the running system while it is built. The Win32 edge makes the real calls;
// tests answer with the records of many Windows releases.
class DotazySystemu {
 public:
  virtual ~DotazySystemu() = default;
  virtual bool MaFunkci(std::string_view knihovna, std::string_view funkce) = 0;
  virtual bool VerzeEx(ZaznamVerze& zaznam) = 0;  // false when GetVersionExA failed
  virtual std::uint32_t Verze() = 0;               // GetVersion
  virtual ZaznamProcesoru Procesor() = 0;
  virtual std::string ProductType() = 0;  // ProductOptions "ProductType"; empty when unreadable
  virtual bool HotfixQ246009() = 0;       // that hotfix's registry key exists
  virtual ZaznamNovehoWindows NovyWindows() = 0;
};

// The one system-information object of the program: the Windows family and release codes, the
// one-line description of the release, the processor, and two services (the DLL probe and the
// system's error texts). Everything is gathered once, in the constructor; the object never changes
// after. Start-up creates it and installs it as the InfoSystemu port, through which the power actions
// and the windows read the codes (and tests fake them).
class clsosgv final : public InfoSystemu {
 public:
  clsosgv();  // asks the running Windows (Win32 build only)
  explicit clsosgv(DotazySystemu& system);

  bool LoadGetVersion() const { return LoadGetVersion_; }
  bool LoadGetVersionEx() const { return LoadGetVersionEx_; }
  int WinPlatform() const override { return WinPlatform_; }
  int WinVersion() const override { return WinVersion_; }
  int WinProcessorType() const { return WinProcessorType_; }
  int WinProcessorArchitekture() const { return WinProcessorArchitekture_; }
  const std::string& WinPlatformS() const { return WinPlatformS_; }
  std::string WinVersionS() const override { return WinVersionS_; }
  const std::string& SuiteMaskS() const { return SuiteMaskS_; }
  const std::string& ProductTypeS() const { return ProductTypeS_; }
  int MajorVersion() const { return MajorVersion_; }
  int MinorVersion() const { return MinorVersion_; }
  int BuildNumber() const { return BuildNumber_; }
  int PlatformID() const { return PlatformID_; }
  const std::string& CSDVersion() const { return CSDVersion_; }
  std::int16_t ServicePackMajor() const { return ServicePackMajor_; }
  std::int16_t ServicePackMinor() const { return ServicePackMinor_; }
  std::int16_t SuiteMask() const { return SuiteMask_; }
  std::uint8_t ProductType() const { return ProductType_; }
  int NumberOfProcessors() const { return NumberOfProcessors_; }
  int ProcessorType() const { return ProcessorType_; }
  const std::string& ProcessorTypeS() const { return ProcessorTypeS_; }
  int ProcessorArchitecture() const { return ProcessorArchitecture_; }
  const std::string& ProcessorArchitectureS() const { return ProcessorArchitectureS_; }

  // Words and bytes of a 32-bit value, little end first; all results are unsigned.
  static constexpr std::int32_t gvLoWord(std::int32_t lwn) { return static_cast<std::uint32_t>(lwn) & 0xFFFF; }
  static constexpr std::int32_t gvHiWord(std::int32_t hwn) { return static_cast<std::uint32_t>(hwn) >> 16; }
  static constexpr std::int32_t gvLOBYTE(std::int32_t lbn) { return static_cast<std::uint32_t>(lbn) & 0xFF; }
  static constexpr std::int32_t gvHIBYTE(std::int32_t hbn) { return (static_cast<std::uint32_t>(hbn) >> 8) & 0xFF; }

  // Win32 build only.
  static bool gvGetExistFunctionInDLL(std::string_view gvLibray, std::string_view gvProcedure);
  static std::string gvStringError(std::uint32_t seCode = 0);

 private:
  void gvLoadGetVersionEx(DotazySystemu& system);
  void gvLoadGetVersion(std::uint32_t V);
  void gvLoadProcessorInfo(const ZaznamProcesoru& procesor);
  std::string Verze9x(const ZaznamVerze& z);
  std::string VerzeNT(const ZaznamVerze& z, DotazySystemu& system);
  std::string EdiceNT(const ZaznamVerze& z, DotazySystemu& system);

 public:
  // The system line of Windows 10 and later: "Windows 11 Pro 24H2 (26100)".
  static std::string NazevNovehoWindows(const ZaznamNovehoWindows& z);

 private:
  bool LoadGetVersion_ = false;
  bool LoadGetVersionEx_ = false;
  int WinPlatform_ = 0;
  int WinVersion_ = 0;
  int WinProcessorType_ = 0;
  int WinProcessorArchitekture_ = 0;
  std::string WinPlatformS_;
  std::string WinVersionS_;
  std::string SuiteMaskS_;
  std::string ProductTypeS_;
  int MajorVersion_ = 0;
  int MinorVersion_ = 0;
  int BuildNumber_ = 0;
  int PlatformID_ = 0;
  std::string CSDVersion_;
  std::int16_t ServicePackMajor_ = 0;
  std::int16_t ServicePackMinor_ = 0;
  std::int16_t SuiteMask_ = 0;
  std::uint8_t ProductType_ = 0;
  int NumberOfProcessors_ = 0;
  int ProcessorType_ = 0;
  std::string ProcessorTypeS_;
  int ProcessorArchitecture_ = 0;
  std::string ProcessorArchitectureS_;
};
