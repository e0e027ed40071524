#include "ladder/immittance_entry.h"

#include <algorithm>
#include <array>
#include <optional>

#include "base/number_parse.h"
#include "base/text_file.h"
#include "formats/file_lines.h"
#include "formats/polynomial_file.h"
#include "formats/roots_file.h"
#include "frame/entry_checks.h"
#include "ladder/listings.h"
#include "poly/algebra.h"

namespace ladder {
namespace {

using base::Extended;

constexpr const char* kMissingFileMessage = "* Arquivo inexistente.";
constexpr const char* kTooManyRootsMessage = "* Mais de 40 raízes no arquivo; a tabela não foi alterada.";
constexpr const char* kNegativeCountMessage = "* Número de raízes menor que -1 no arquivo; a tabela não foi alterada.";
constexpr const char* kDegreeTooHighMessage = "* Grau maior que 40.";
constexpr const char* kDegreeTooLowMessage = "* Grau menor que -1.";

// A vanished polynomial (degree -1) is a valid entry.
constexpr frame::DegreeRange kDegrees{-1, kMaxDegree, kDegreeTooLowMessage, kDegreeTooHighMessage};
// A count of -1 reads no root, as 0 does; below it a count means nothing.
constexpr frame::DegreeRange kRootCounts{-1, kMaxRoots, kNegativeCountMessage, kTooManyRootsMessage};

bool IsLowerCaseLetter(char c) { return c >= 'a' && c <= 'z'; }

std::optional<base::TextReader> OpenChosenFile(const std::string& name, frame::Console& console) {
  return frame::OpenChosenFile(name, kMissingFileMessage, console);
}

void ReadPolynomialFile(const std::string& name, TPolynomial& p, Extended& constant, frame::Console& console) {
  std::optional<base::TextReader> in = OpenChosenFile(name, console);
  if (!in) return;
  const formats::PolynomialFile file = formats::ReadPolynomialFile(*in, kMaxDegree);
  if (frame::RefusedDegree(file.degree, kDegrees, console)) return;
  p.degree = file.degree;
  std::copy(file.a.begin(), file.a.end(), p.a.begin());
  constant = file.constant;
  ListCoefficients(p, console);
  console.ShowLine("Cte: " + console.RealToText(constant));
}

void TypeCoefficients(TPolynomial& p, Extended& constant, frame::Console& console) {
  p.degree = AskDegree("Grau do polinômio: ", p.degree, console);
  console.ShowLine("Grau: " + frame::IntToText(p.degree));
  for (std::int32_t i = 0; i <= p.degree; ++i) {
    const std::string name = "a(" + frame::IntToText(i) + "):";
    Extended& a = p.a[static_cast<std::size_t>(i)];
    console.AskReal(name, a);
    console.ShowLine(name + console.RealToText(a));
  }
  console.AskReal("Cte. multiplicativa:", constant);
  console.ShowLine("Cte. multiplicativa: " + console.RealToText(constant));
}

void TypeRoots(ImmittanceModel& model, TPolynomial& p, Extended& constant, frame::Console& console) {
  p.degree = AskDegree("Número de raízes: ", p.degree, console);
  console.ShowLine("Entre as " + frame::IntToText(p.degree) + " raízes: (conjugados são assumidos)...");
  ListRoots('z', model.zeros, console);
  ListRoots('p', model.poles, console);
  PolynomialFromRoots(model, p, constant, console);
}

void OfferSave(const ImmittanceModel& model, const TPolynomial& p, Extended constant, const std::string& subject,
               frame::Console& console) {
  const std::string name = console.ChooseSaveFile(subject, kPolynomialSaveFilter);
  if (name.empty()) return;
  formats::PolynomialFile file;
  file.degree = p.degree;
  file.a.assign(p.coefficients().begin(), p.coefficients().end());
  file.constant = constant;
  base::TextWriter out(name);
  // the whole format, not the log's 8-bit reading of it
  formats::WritePolynomialFile(out, file, formats::RealFormat{model.width, model.decimals});
  out.Close();
  console.ShowLine("Polinômio salvo como " + name);
}

}  // namespace

std::optional<poly::Complex> ParseFrequency(const std::string& answer, const ImmittanceModel& model) {
  char key = answer.size() < 2 ? ' ' : answer[0];
  if (IsLowerCaseLetter(key)) key = static_cast<char>(key - 'a' + 'A');
  if (key == 'P' || key == 'Z') {
    const RootTable& table = key == 'P' ? model.poles : model.zeros;
    const std::optional<std::int32_t> k = base::ParseInteger(std::string_view(answer).substr(1));
    if (!k || *k < 1 || *k > table.count) return std::nullopt;
    return poly::Complex{table.re[static_cast<std::size_t>(*k)], table.im[static_cast<std::size_t>(*k)]};
  }
  const std::size_t blank = answer.find(' ');
  if (blank == std::string::npos) return std::nullopt;
  const std::optional<Extended> re = base::ParseReal(std::string_view(answer).substr(0, blank));
  const std::optional<Extended> im = base::ParseReal(std::string_view(answer).substr(blank + 1));
  if (!re || !im) return std::nullopt;
  return poly::Complex{*re, *im};
}

void ReadRootsFile(RootTable& table, int filter_index, const std::string& subject, frame::Console& console) {
  console.ShowLine("Lendo raízes (cancele para ignorar)...");
  const std::string name = console.ChooseOpenFile(subject, filter_index);
  if (name.empty()) return;
  std::optional<base::TextReader> in = OpenChosenFile(name, console);
  if (!in) return;
  const std::int32_t n = formats::ReadIntegerLine(*in);
  if (frame::RefusedDegree(n, kRootCounts, console)) return;
  // a number that cannot be read ends the action half-way: the roots go to
  // the table only once all of them were read, so that no old root stays
  // beside new ones and no conjugate pair is broken
  RootTable read = table;
  read.count = n;
  console.ShowLine(frame::IntToText(n) + " frequências:");
  for (std::int32_t i = 1; i <= n; ++i) {
    const formats::RootLine root = formats::ReadRootLine(*in);
    const std::size_t k = static_cast<std::size_t>(i);
    read.re[k] = root.re;
    read.im[k] = root.im;
    console.ShowLine("x" + frame::IntToText(i) + ": " + console.RealToText(root.re) + " " +
                     console.RealToText(root.im) + "j");
  }
  table = read;
}

std::int32_t AskDegree(const std::string& prompt, std::int32_t current, frame::Console& console) {
  return frame::AskDegree(prompt, current, kDegrees, console);
}

void AskFrequency(ImmittanceModel& model, frame::Console& console) {
  std::string answer;
  for (;;) {
    console.AskText("Frequência: (Re Im ou nome) ", answer);
    if (const std::optional<poly::Complex> s = ParseFrequency(answer, model)) {
      model.point = *s;
      break;
    }
    console.ShowLine("* Incorreto.");
  }
  console.ShowLine("Zero escolhido = " + console.RealToText(model.point.re) + " " + console.RealToText(model.point.im) +
                   "j");
}

void PolynomialFromRoots(ImmittanceModel& model, TPolynomial& p, Extended& constant, frame::Console& console) {
  std::int32_t n = p.degree;
  std::array<Extended, kMaxDegree + 1> built{};
  built[0] = 1;
  std::int32_t k = 0;
  while (k < n) {
    AskFrequency(model, console);
    const Extended sr = model.point.re;
    const Extended si = model.point.im;
    // a root this close to the real axis is taken as real, its small
    // imaginary part dropped
    const bool real = base::Abs(si) < model.tolerance;
    const std::array<Extended, 2> linear{-sr, 1};
    const std::array<Extended, 3> quadratic{sr * sr + si * si, Extended(-2) * sr, 1};
    const std::span<const Extended> factor =
        real ? std::span<const Extended>(linear) : std::span<const Extended>(quadratic);
    std::array<Extended, kMaxDegree + 1> product{};
    const poly::FittedDegree degree =
        poly::Multiply(std::span<const Extended>(built.data(), static_cast<std::size_t>(k + 1)), factor, product);
    if (!degree) {
      console.ShowLine(kDegreeTooHighMessage);
      continue;
    }
    built = product;
    k = *degree;
    if (k > n) {
      console.ShowLine("* Foram dadas raízes demais.");
      n = k;
    }
  }
  p.degree = n;
  std::copy(built.begin(), built.begin() + std::max(n + 1, 1), p.a.begin());
  console.ShowLine("Polinômio obtido:");
  ListCoefficients(p, console);
  // the value 1 at s = 0 when there is a value to divide by
  constant = built[0] != 0 ? Extended(1) / built[0] : Extended(1);
  console.AskReal("Cte. multiplicativa", constant);
  console.ShowLine("Cte. multiplicativa: " + console.RealToText(constant));
}

void EnterPolynomial(ImmittanceModel& model, TPolynomial& p, Extended& constant, const std::string& subject,
                     frame::Console& console) {
  console.ShowLine("Lendo polinômio. Cancele para entrar pelo teclado...");
  const std::string name = console.ChooseOpenFile(subject, kPolynomialOpenFilter);
  if (!name.empty()) {
    ReadPolynomialFile(name, p, constant, console);
    return;
  }
  if (console.AskYesNo("Coeficientes? (ou raízes)"))
    TypeCoefficients(p, constant, console);
  else
    TypeRoots(model, p, constant, console);
  OfferSave(model, p, constant, subject, console);
}

}  // namespace ladder
