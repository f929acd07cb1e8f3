#include "form3.h"

#include "classic.h"
#include "controls.h"
#include "exchange.h"

#include <QLabel>
#include <QPushButton>

namespace brastola::ui {

namespace {

struct Rule {
    int top;
    const char *heading_name;
    const char *heading;
    const char *paragraph_name;
    const char *paragraph;
    int paragraph_height;
};

// The texts are the game's own, kept word for word: the misspellings
// ("elinimare", "sicuremante", "conentite") and the double blank after "la"
// are not to be corrected.
const Rule rules[] = {
    {240, "Label1", "Mosse consentite:", "Label3",
     "è possibile elinimare un numero qualsiasi di fiammiferi da una sola riga;", 492},
    {840, "Label7", "Come fare:", "Label8",
     "selezionare con il mouse i fiammiferi da eliminare, quindi premere il tasto OK;", 492},
    {1440, "Label2", "Aiuto:", "Label4",
     "viene consigliata una possibile mossa vincente; la  successione ininterrotta di mosse vincenti porta "
     "sicuremante alla vittoria;",
     732},
    {2160, "Label5", "Chi inizia:", "Label6",
     "inizia sempre l'utente; è possibile far iniziare prima il computer premendo il tasto OK al primo turno di "
     "gioco;",
     612},
    {2880, "Label9", "Chi vince:", "Label10", "vince chi toglie l'ultimo fiammifero;", 252},
    {3480, "Label11", "Grado di difficoltà:", "Label12",
     "il grado di difficoltà più alto comporta, per vincere, l'individuazione successiva di mosse vincenti; non è "
     "consentito sbagliare; ai livelli meno impegnativi sono conentite mosse casuali nelle prime fasi del gioco.",
     1092},
};

}  // namespace

Form3::Form3(Exchange *exchange)
{
    make_tool_window(*this, QStringLiteral("Form3"), QStringLiteral("Regole del gioco"),
                     twips_rect(2628, 1224, 5484, 5184));

    // The labels draw nothing of their own, so the whole page is this colour.
    QPalette page = palette();
    page.setColor(QPalette::Window, colour::tooltip_background);
    setPalette(page);

    for (const Rule &rule : rules) {
        QLabel *heading = make_label(this, rule.heading_name, QString::fromUtf8(rule.heading),
                                     twips_rect(240, rule.top, 1572, 252), classic_font(8, true));
        heading->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QLabel *paragraph = make_label(this, rule.paragraph_name, QString::fromUtf8(rule.paragraph),
                                       twips_rect(1920, rule.top, 3372, rule.paragraph_height));
        paragraph->setWordWrap(true);
        heading->setBuddy(paragraph);  // read together
    }

    QPushButton *ok = make_button(this, "Command1", QStringLiteral("OK"), twips_rect(2280, 4680, 972, 372));
    ok->setFocus();
    on_click(exchange, ok, [this] { Command1_Click(); });
}

void Form3::Command1_Click()
{
    close();
}

}  // namespace brastola::ui
