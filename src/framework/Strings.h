#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "framework/Classes.h"

// A list of lines. Text joins them with CR LF and splits on LF, CR LF or CR.
class TStrings : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  virtual size_t Count() const = 0;
  virtual const std::string& Strings(size_t index) const = 0;
  virtual void Insert(size_t index, const std::string& line) = 0;
  virtual void Delete(size_t index) = 0;
  virtual void Clear() = 0;

  const std::string& operator[](size_t index) const { return Strings(index); }
  void Add(const std::string& line) { Insert(Count(), line); }
  // -1 when absent.
  virtual int IndexOf(std::string_view line) const;
  std::string Text() const;
  void SetText(std::string_view text);
  void Assign(const TStrings& source);
};

class TStringList : public TStrings {
  DECLARE_CLASS_INFO

 public:
  explicit TStringList(bool caseSensitive = false) : FCaseSensitive(caseSensitive) {}

  size_t Count() const override { return FLines.size(); }
  const std::string& Strings(size_t index) const override { return FLines.at(index); }
  void Insert(size_t index, const std::string& line) override;
  void Delete(size_t index) override;
  void Clear() override { FLines.clear(); }
  int IndexOf(std::string_view line) const override;

  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value) { FCaseSensitive = value; }

 private:
  std::vector<std::string> FLines;
  bool FCaseSensitive;
};
