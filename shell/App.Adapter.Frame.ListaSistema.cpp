#include "App.Adapter.Frame.ListaSistema.h"

#include "Label.h"

#include <algorithm>

TListaSistemaFrameAdapter::TListaSistemaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    auto makeLabel = [this](const QString &name, const QString &text, int x, int y) {
        auto *label = new TLabel(LayoutBackground, name);
        label->setText(text);
        label->setPosition(x, y);
        label->setAutoSize(true);
        return label;
    };
    LabelDescricao = makeLabel(QStringLiteral("LabelDescricao"), QString(), 184, 8);
    LabelDescricao->setAutoSize(false);
    LabelDescricao->setSize(571, 24);
    LabelDescricao->setFontSize(15);
    LabelTitleCodigo
        = makeLabel(QStringLiteral("LabelTitleCodigo"), QStringLiteral("Código:"), 184, 42);
    LabelCodigo = makeLabel(QStringLiteral("LabelCodigo"), QString(), 211, 42);
    LabelTitleTipo
        = makeLabel(QStringLiteral("LabelTitleTipo"), QStringLiteral("Tipo Lista:"), 408, 42);
    LabelTipo = makeLabel(QStringLiteral("LabelTipo"), QString(), 468, 42);

    SetupLabels();
    // The theme's font may make a title wider than the gap left for it: its value then follows it.
    for (auto [title, value] :
         { std::pair { LabelTitleCodigo, LabelCodigo }, std::pair { LabelTitleTipo, LabelTipo } })
        value->setPositionX(std::max(value->x(), title->x() + title->width() + 4));
}
