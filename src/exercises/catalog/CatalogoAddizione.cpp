#include "exercises/catalog/CatalogoTesti.h"

namespace Catalogo::Addizione {

// Per scene: group A (question, lead words, noun phrase, one, none), group B (the same),
// the whole (question, lead words, noun phrase, one) and the background colour.
const char16_t *const Testi[Scene][TabellaFrasi::Slot] = {
    {   // 1
        u"Quanti uccelli blu?", u"Ci sono", u"uccelli blu.", u"C'\u00e8 un solo uccello blu.", u"Non ci sono uccelli blu.",
        u"Quanti uccelli gialli?", u"Ci sono", u"uccelli gialli.", u"C'\u00e8 un solo uccello giallo.", u"Non ci sono uccelli gialli.",
        u"Quanti uccelli?", u"Ci sono", u"uccelli.", u"C'\u00e8 un solo uccello.",
        u"66ffff"
    },
    {   // 2
        u"Quanti uccelli verdi?", u"Ci sono", u"uccelli verdi.", u"C'\u00e8 un solo uccello verde.", u"Non ci sono uccelli verdi.",
        u"Quanti uccelli rossi?", u"Ci sono", u"uccelli rossi.", u"C'\u00e8 un solo uccello rosso.", u"Non ci sono uccelli rossi.",
        u"Quanti uccelli?", u"Ci sono", u"uccelli.", u"C'\u00e8 un solo uccello.",
        u"66ffff"
    },
    {   // 3
        u"Quante api sul fiore?", u"Ci sono", u"api sul fiore.", u"C'\u00e8 una sola ape sul fiore.", u"Non ci sono api sul fiore.",
        u"Quante api volano?", u"Ci sono", u"api che volano.", u"C'\u00e8 una sola ape che vola.", u"Non ci sono api che volano.",
        u"Quante api?", u"Ci sono", u"api.", u"C'\u00e8 una sola ape.",
        u"339900"
    },
    {   // 4
        u"Quante tartarughe chiuse nel guscio?", u"Ci sono", u"tartarughe chiuse nel guscio.", u"C'\u00e8 una sola tartaruga chiusa nel guscio.", u"Non ci sono tartarughe chiuse nel guscio.",
        u"Quante tartarughe sbucano dal guscio?", u"Ci sono", u"tartarughe che sbucano dal guscio.", u"C'\u00e8 una sola tartaruga che sbuca dal guscio.", u"Non ci sono tartarughe che sbucano dal guscio.",
        u"Quante tartarughe?", u"Ci sono", u"tartarughe.", u"C'\u00e8 una sola tartaruga.",
        u"339900"
    },
    {   // 5
        u"Quanti topolini azzurri?", u"Ci sono", u"topolini azzurri.", u"C'\u00e8 un solo topolino azzurro.", u"Non ci sono topolini azzurri.",
        u"Quanti topolini grigi?", u"Ci sono", u"topolini grigi.", u"C'\u00e8 un solo topolino grigio.", u"Non ci sono topolini grigi.",
        u"Quanti topolini?", u"Ci sono", u"topolini.", u"C'\u00e8 un solo topolino.",
        u"CC6600"
    },
    {   // 6
        u"Quante scimmiette?", u"Ci sono", u"scimmiette.", u"C'\u00e8 una sola scimmietta.", u"Non ci sono scimmiette.",
        u"Quanti scimpanz\u00e9?", u"Ci sono", u"scimpanz\u00e9.", u"C'\u00e8 un solo scimpanz\u00e9.", u"Non ci sono scimpanz\u00e9.",
        u"Quanti animali?", u"Ci sono", u"animali.", u"C'\u00e8 un solo animale.",
        u"339900"
    },
    {   // 7
        u"Quante stelle marine color arancio?", u"Ci sono", u"stelle marine color arancio.", u"C'\u00e8 una sola stella marina color arancio.", u"Non ci sono stelle marine color arancio.",
        u"Quante stelle marine rosse?", u"Ci sono", u"stelle marine rosse.", u"C'\u00e8 una sola stella marina rossa.", u"Non ci sono stelle marine rosse.",
        u"Quante stelle marine?", u"Ci sono", u"stelle marine.", u"C'\u00e8 una sola stella marina.",
        u"0000CC"
    },
    {   // 8
        u"Quanti pinguini con il berretto?", u"Ci sono", u"pinguini con il berretto.", u"C'\u00e8 un solo pinguino con il berretto.", u"Non ci sono pinguini con il berretto.",
        u"Quanti pinguini senza berretto?", u"Ci sono", u"pinguini senza berretto.", u"C'\u00e8 un solo pinguino senza berretto.", u"Non ci sono pinguini senza berretto.",
        u"Quanti pinguini?", u"Ci sono", u"pinguini.", u"C'\u00e8 un solo pinguino.",
        u"fffff0"
    },
    {   // 9
        u"Quanti rinoceronti?", u"Ci sono", u"rinoceronti.", u"C'\u00e8 un solo rinoceronte.", u"Non ci sono rinoceronti.",
        u"Quanti ippopotami?", u"Ci sono", u"ippopotami.", u"C'\u00e8 un solo ippopotamo.", u"Non ci sono ippopotami.",
        u"Quanti animali?", u"Ci sono", u"animali.", u"C'\u00e8 un solo animale.",
        u"006600"
    },
    {   // 10
        u"Quanti elefanti?", u"Ci sono", u"elefanti.", u"C'\u00e8 un solo elefante.", u"Non ci sono elefanti.",
        u"Quante giraffe?", u"Ci sono", u"giraffe.", u"C'\u00e8 una sola giraffa.", u"Non ci sono giraffe.",
        u"Quanti animali?", u"Ci sono", u"animali.", u"C'\u00e8 un solo animale.",
        u"006600"
    },
    {   // 11
        u"Quanti struzzi corrono?", u"Ci sono", u"struzzi che corrono.", u"C'\u00e8 un solo struzzo che corre.", u"Non ci sono struzzi che corrono.",
        u"Quanti struzzi nascondono la testa?", u"Ci sono", u"struzzi che nascondono la testa.", u"C'\u00e8 un solo struzzo che nasconde la testa.", u"Non ci sono struzzi che nascondono la testa.",
        u"Quanti struzzi?", u"Ci sono", u"struzzi.", u"C'\u00e8 un solo struzzo.",
        u"CCCC00"
    },
    {   // 12
        u"Quante galline?", u"Ci sono", u"galline.", u"C'\u00e8 una sola gallina.", u"Non ci sono galline.",
        u"Quanti galli?", u"Ci sono", u"galli.", u"C'\u00e8 un solo gallo.", u"Non ci sono galli.",
        u"Quanti animali?", u"Ci sono", u"animali.", u"C'\u00e8 un solo animale.",
        u"339933"
    },
    {   // 13
        u"Quanti pipistrelli appesi al ramo?", u"Ci sono", u"pipistrelli appesi al ramo.", u"C'\u00e8 un solo pipistrello appeso al ramo.", u"Non ci sono pipistrelli appesi al ramo.",
        u"Quanti pipistrelli volano?", u"Ci sono", u"pipistrelli che volano.", u"C'\u00e8 un solo pipistrello che vola.", u"Non ci sono pipistrelli che volano.",
        u"Quanti pipistrelli?", u"Ci sono", u"pipistrelli.", u"C'\u00e8 un solo pipistrello.",
        u"000000"
    },
    {   // 14
        u"Quanti cavalli col fantino?", u"Ci sono", u"cavalli col fantino.", u"C'\u00e8 un solo cavallo col fantino.", u"Non ci sono cavalli col fantino.",
        u"Quanti cavalli senza fantino?", u"Ci sono", u"cavalli senza fantino.", u"C'\u00e8 un solo cavallo senza fantino.", u"Non ci sono cavalli senza fantino.",
        u"Quanti cavalli?", u"Ci sono", u"cavalli.", u"C'\u00e8 un solo cavallo.",
        u"669900"
    },
    {   // 15
        u"Quanti bambini scrivono?", u"Ci sono", u"bambini che scrivono.", u"C'\u00e8 un solo bambino che scrive.", u"Non ci sono bambini che scrivono.",
        u"Quanti bambini suonano?", u"Ci sono", u"bambini che suonano.", u"C'\u00e8 un solo bambino che suona.", u"Non ci sono bambini che suonano.",
        u"Quanti bambini?", u"Ci sono", u"bambini.", u"C'\u00e8 un solo bambino.",
        u"99CCFF"
    },
    {   // 16
        u"Quante automobili senza portapacchi?", u"Ci sono", u"automobili senza portapacchi.", u"C'\u00e8 una sola automobile senza portapacchi.", u"Non ci sono automobili senza portapacchi.",
        u"Quante automobili con il portapacchi?", u"Ci sono", u"automobili con il portapacchi.", u"C'\u00e8 una sola automobile con il portapacchi.", u"Non ci sono automobili con il portapacchi.",
        u"Quante automobili?", u"Ci sono", u"automobili.", u"C'\u00e8 una sola automobile.",
        u"CCCCCC"
    },
    {   // 17
        u"Quanti aeroplani?", u"Ci sono", u"aeroplani.", u"C'\u00e8 un solo aeroplano.", u"Non ci sono aeroplani.",
        u"Quanti elicotteri?", u"Ci sono", u"elicotteri.", u"C'\u00e8 un solo elicottero.", u"Non ci sono elicotteri.",
        u"Quanti velivoli?", u"Ci sono", u"velivoli.", u"C'\u00e8 un solo velivolo.",
        u"99FFFF"
    },
    {   // 18
        u"Quanti dischi volanti in cielo?", u"Ci sono", u"dischi volanti in cielo.", u"C'\u00e8 un solo disco volante in cielo.", u"Non ci sono dischi volanti in cielo.",
        u"Quanti dischi volanti atterrati?", u"Ci sono", u"dischi volanti atterrati.", u"C'\u00e8 un solo disco volante atterrato.", u"Non ci sono dischi volanti atterrati.",
        u"Quanti dischi volanti?", u"Ci sono", u"dischi volanti.", u"C'\u00e8 un solo disco volante.",
        u"0066CC"
    },
    {   // 19
        u"Quante seghe?", u"Ci sono", u"seghe.", u"C'\u00e8 una sola sega.", u"Non ci sono seghe.",
        u"Quanti martelli?", u"Ci sono", u"martelli.", u"C'\u00e8 un solo martello.", u"Non ci sono martelli.",
        u"Quanti attrezzi?", u"Ci sono", u"attrezzi.", u"C'\u00e8 un solo attrezzo.",
        u"000099"
    },
    {   // 20
        u"Quante pere?", u"Ci sono", u"pere.", u"C'\u00e8 una sola pera.", u"Non ci sono pere.",
        u"Quante mele?", u"Ci sono", u"mele.", u"C'\u00e8 una sola mela.", u"Non ci sono mele.",
        u"Quanti frutti?", u"Ci sono", u"frutti.", u"C'\u00e8 un solo frutto.",
        u"ffffcc"
    },
    {   // 21
        u"Quanti piatti con la pizza?", u"Ci sono", u"piatti con la pizza.", u"C'\u00e8 un solo piatto con la pizza.", u"Non ci sono piatti con la pizza.",
        u"Quanti piatti con gli spaghetti?", u"Ci sono", u"piatti con gli spaghetti.", u"C'\u00e8 un solo piatto con gli spaghetti.", u"Non ci sono piatti con gli spaghetti.",
        u"Quanti piatti?", u"Ci sono", u"piatti.", u"C'\u00e8 un solo piatto.",
        u"99CCFF"
    },
    {   // 22
        u"Quanti dinosauri verdi?", u"Ci sono", u"dinosauri verdi.", u"C'\u00e8 un solo dinosauro verde.", u"Non ci sono dinosauri verdi.",
        u"Quanti dinosauri arancio?", u"Ci sono", u"dinosauri arancio.", u"C'\u00e8 un solo dinosauro arancio.", u"Non ci sono dinosauri arancio.",
        u"Quanti dinosauri?", u"Ci sono", u"dinosauri.", u"C'\u00e8 un solo dinosauro.",
        u"99CCFF"
    },
    {   // 23
        u"Quanti funghi con i pallini bianchi?", u"Ci sono", u"funghi con i pallini bianchi.", u"C'\u00e8 un solo fungo con i pallini bianchi.", u"Non ci sono funghi con i pallini bianchi.",
        u"Quanti funghi senza pallini bianchi?", u"Ci sono", u"funghi senza pallini bianchi.", u"C'\u00e8 un solo fungo senza pallini bianchi.", u"Non ci sono funghi senza pallini bianchi.",
        u"Quanti funghi?", u"Ci sono", u"funghi.", u"C'\u00e8 un solo fungo.",
        u"009900"
    },
    {   // 24
        u"Quanti fantasmi con la campana?", u"Ci sono", u"fantasmi con la campana.", u"C'\u00e8 un solo fantasma con la campana.", u"Non ci sono fantasmi con la campana.",
        u"Quanti fantasmi senza campana?", u"Ci sono", u"fantasmi senza campana.", u"C'\u00e8 un solo fantasma senza campana.", u"Non ci sono fantasmi senza campana.",
        u"Quanti fantasmi?", u"Ci sono", u"fantasmi.", u"C'\u00e8 un solo fantasma.",
        u"000066"
    },
    {   // 25
        u"Quanti fiori bianchi?", u"Ci sono", u"fiori bianchi.", u"C'\u00e8 un solo fiore bianco.", u"Non ci sono fiori bianchi.",
        u"Quanti fiori rossi?", u"Ci sono", u"fiori rossi.", u"C'\u00e8 un solo fiore rosso.", u"Non ci sono fiori rossi.",
        u"Quanti fiori?", u"Ci sono", u"fiori.", u"C'\u00e8 un solo fiore.",
        u"000066"
    },
    {   // 26
        u"Quanti vasi rotondi?", u"Ci sono", u"vasi rotondi.", u"C'\u00e8 un solo vaso rotondo.", u"Non ci sono vasi rotondi.",
        u"Quanti vasi quadrati?", u"Ci sono", u"vasi quadrati.", u"C'\u00e8 un solo vaso quadrato.", u"Non ci sono vasi quadrati.",
        u"Quanti vasi?", u"Ci sono", u"vasi.", u"C'\u00e8 un solo vaso.",
        u"000066"
    },
    {   // 27
        u"Quante margherite?", u"Ci sono", u"margherite.", u"C'\u00e8 una sola margherita.", u"Non ci sono margherite.",
        u"Quante rose?", u"Ci sono", u"rose.", u"C'\u00e8 una sola rosa.", u"Non ci sono rose.",
        u"Quanti fiori?", u"Ci sono", u"fiori.", u"C'\u00e8 un solo fiore.",
        u"000066"
    },
    {   // 28
        u"Quanti ceri?", u"Ci sono", u"ceri.", u"C'\u00e8 un solo cero.", u"Non ci sono ceri.",
        u"Quante candele?", u"Ci sono", u"candele.", u"C'\u00e8 una sola candela.", u"Non ci sono candele.",
        u"Quante cose che illuminano?", u"Ci sono", u"cose che illuminano.", u"C'\u00e8 una sola cosa che illumina.",
        u"000066"
    },
    {   // 29
        u"Quanti granchi?", u"Ci sono", u"granchi.", u"C'\u00e8 un solo granchio.", u"Non ci sono granchi.",
        u"Quante aragoste?", u"Ci sono", u"aragoste.", u"C'\u00e8 una sola aragosta.", u"Non ci sono aragoste.",
        u"Quanti crostacei?", u"Ci sono", u"crostacei.", u"C'\u00e8 un solo crostaceo.",
        u"000066"
    },
    {   // 30
        u"Quante chitarre?", u"Ci sono", u"chitarre.", u"C'\u00e8 una sola chitarra.", u"Non ci sono chitarre.",
        u"Quanti violini?", u"Ci sono", u"violini.", u"C'\u00e8 un solo violino.", u"Non ci sono violini.",
        u"Quanti strumenti a corda?", u"Ci sono", u"strumenti a corda.", u"C'\u00e8 un solo strumento a corda.",
        u"FFCC99"
    },
};

}
