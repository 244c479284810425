#include "qt/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/MoonEmblem.h"
#include "qt/QtText.h"

namespace tessaly::qtview {

AboutDialog::AboutDialog(const AboutTexts& texts, std::function<void()> onOk, QWidget* parent)
    : QDialog(parent), onOk_(std::move(onOk)) {
  setObjectName(toQString(texts.dialog));
  setWindowTitle(toQString(texts.caption));
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
  setPalette(grey);

  auto* picture = new MoonEmblem(this);
  picture->setObjectName("Image1");

  auto* lines = new QVBoxLayout;
  lines->setSpacing(fontMetrics().height() / 2);
  for (int i = 0; i < 5; ++i) {
    auto* label = new QLabel(toQString(texts.lines[i]), this);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    label->setTextFormat(Qt::PlainText);
    if (i == 0) {
      QFont title = label->font();
      title.setBold(true);
      title.setPointSizeF(title.pointSizeF() * 1.25);
      label->setFont(title);
    }
    lines->addWidget(label);
  }

  auto* ok = new QPushButton(toQString(texts.ok), this);
  ok->setObjectName("Command1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { onOk_(); });

  auto* body = new QHBoxLayout;
  body->addWidget(picture, 0, Qt::AlignTop);
  body->addSpacing(fontMetrics().height());
  body->addLayout(lines);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(body);
  outer->addLayout(buttons);
  outer->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::reject() { onOk_(); }

}  // namespace tessaly::qtview
