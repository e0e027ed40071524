#include "elliptic/response_plot_form.h"

namespace elliptic {
namespace {

constexpr int kClientWidth = 902;
constexpr int kClientHeight = 637;

}  // namespace

ResponsePlotForm::ResponsePlotForm(forms::Application& app)
    : forms::Form(app, "Form3", "Resposta em frequência"), cresposta(Add<forms::PaintBox>("cresposta")) {
  cresposta.SetAlign(forms::Align::Client);
  SetClientSize(kClientWidth, kClientHeight);
}

}  // namespace elliptic
