#include "exercises/catalog/CatalogoTesti.h"

namespace Catalogo::Sottrazione {

// Per scene: the total (question, lead words, noun phrase, one), the part (question,
// lead words, noun phrase, one, none), the rest (the same) and the background colour.
const char16_t *const Testi[Scene][TabellaFrasi::Slot] = {
    {   // 1
        u"Quante locomotive?", u"Ci sono", u"locomotive.", u"C'\u00e8 una sola locomotiva.",
        u"Quante locomotive partono?", u"Sono partite", u"locomotive.", u"\u00c8 partita una sola locomotiva.", u"Non sono partite locomotive.",
        u"Quante locomotive rimangono ferme?", u"Rimangono ferme", u"locomotive.", u"\u00c8 rimasta ferma una sola locomotiva.", u"Non \u00e8 rimasta ferma nessuna locomotiva.",
        u"FFCC99"
    },
    {   // 2
        u"Quanti elefantini?", u"Ci sono", u"elefantini.", u"C'\u00e8 un solo elefantino.",
        u"Quanti elefantini ballano?", u"Ci sono", u"elefantini che ballano.", u"C'\u00e8 un solo elefantino che balla.", u"Non ci sono elefantini che ballano.",
        u"Quanti elefantini rimangono fermi?", u"Ci sono", u"elefantini che rimangono fermi.", u"C'\u00e8 un solo elefantino che rimane fermo.", u"Non ci sono elefantini che rimangono fermi.",
        u"669900"
    },
    {   // 3
        u"Quante uova di Pasqua?", u"Ci sono", u"uova di Pasqua.", u"C'\u00e8 un solo uovo di Pasqua.",
        u"Quante uova vengono aperte?", u"Ci sono", u"uova aperte.", u"C'\u00e8 un solo uovo aperto.", u"Non ci sono uova aperte.",
        u"Quante uova restano chiuse?", u"Ci sono", u"uova chiuse.", u"C'\u00e8 un solo uovo chiuso.", u"Non ci sono uova chiuse.",
        u"99CC00"
    },
    {   // 4
        u"Quanti boccioli di rosa?", u"Ci sono", u"boccioli di rosa.", u"C'\u00e8 un solo bocciolo di rosa.",
        u"Quanti boccioli fioriscono?", u"Ci sono", u"boccioli fioriti.", u"C'\u00e8 un solo bocciolo fiorito.", u"Non ci sono boccioli fioriti.",
        u"Quanti boccioli restano chiusi?", u"Ci sono", u"boccioli chiusi.", u"C'\u00e8 un solo bocciolo chiuso.", u"Non ci sono boccioli chiusi.",
        u"66FF99"
    },
    {   // 5
        u"Quanti ceri?", u"Ci sono", u"ceri.", u"C'\u00e8 un solo cero.",
        u"Quanti ceri vengono accesi?", u"Ci sono", u"ceri accesi.", u"C'\u00e8 un solo cero acceso.", u"Non ci sono ceri accesi.",
        u"Quanti ceri restano spenti?", u"Ci sono", u"ceri spenti.", u"C'\u00e8 un solo cero spento.", u"Non ci sono ceri spenti.",
        u"000099"
    },
    {   // 6
        u"Quanti elefantini?", u"Ci sono", u"elefantini.", u"C'\u00e8 un solo elefantino.",
        u"Quanti elefantini giocano con la palla?", u"Ci sono", u"elefantini che giocano con la palla.", u"C'\u00e8 un solo elefantino che gioca con la palla.", u"Non ci sono elefantini che giocano con la palla.",
        u"Quanti elefantini non giocano con la palla?", u"Ci sono", u"elefantini che non giocano con la palla.", u"C'\u00e8 un solo elefantino che non gioca con la palla.", u"Non ci sono elefantini che non giocano con la palla.",
        u"99FF00"
    },
    {   // 7
        u"Quanti rubinetti?", u"Ci sono", u"rubinetti.", u"C'\u00e8 un solo rubinetto.",
        u"Quanti rubinetti vengono aperti?", u"Sono stati aperti", u"rubinetti.", u"\u00c8 stato aperto un solo rubinetto.", u"Non sono stati aperti rubinetti.",
        u"Quanti rubinetti sono rimasti chiusi?", u"Sono rimasti chiusi", u"rubinetti.", u"Un solo rubinetto \u00e8 rimasto chiuso.", u"Nessun rubinetto \u00e8 rimasto chiuso.",
        u"0000CC"
    },
    {   // 8
        u"Quante vasche?", u"Ci sono", u"vasche.", u"C'\u00e8 una sola vasca.",
        u"Quante vasche vengono svuotate?", u"Sono state svuotate", u"vasche.", u"\u00c8 stata svuotata una sola vasca.", u"Non sono state svuotate vasche.",
        u"Quante vasche contengono ancora acqua?", u"Contengono ancora acqua", u"vasche.", u"Una sola vasca contiene ancora acqua.", u"Nessuna vasca contiene ancora acqua.",
        u"FFFFFF"
    },
    {   // 9
        u"Quante goccioline?", u"Ci sono", u"goccioline.", u"C'\u00e8 una sola gocciolina.",
        u"Quante goccioline cadono?", u"Sono cadute", u"goccioline.", u"\u00c8 caduta una sola gocciolina.", u"Non sono cadute goccioline.",
        u"Quante goccioline rimangono in aria?", u"Rimangono in aria", u"goccioline.", u"Una sola gocciolina \u00e8 rimasta in aria.", u"Nessuna gocciolina \u00e8 rimasta in aria.",
        u"003399"
    },
    {   // 10
        u"Quanti marziani?", u"Ci sono", u"marziani.", u"C'\u00e8 un solo marziano.",
        u"Quanti marziani se ne vanno?", u"Se ne vanno", u"marziani.", u"\u00c8 andato via solo un marziano.", u"Nessun marziano se ne sta andando.",
        u"Quanti marziani rimangono?", u"Rimangono", u"marziani.", u"\u00c8 rimasto un solo marziano.", u"Non \u00e8 rimasto nessun marziano.",
        u"0099CC"
    },
    {   // 11
        u"Quanti chiodi?", u"Ci sono", u"chiodi.", u"C'\u00e8 un solo chiodo.",
        u"Quanti chiodi sono ora conficcati nel legno?", u"Sono stati conficcati", u"chiodi.", u"\u00c8 stato conficcato un solo chiodo.", u"Nessun chiodo \u00e8 stato conficcato.",
        u"Quanti chiodi rimangono da conficcare?", u"Rimangono", u"chiodi da conficcare.", u"\u00c8 rimasto un solo chiodo da conficcare.", u"Non \u00e8 rimasto nessun chiodo da conficcare.",
        u"0099FF"
    },
    {   // 12
        u"Quante mele?", u"Ci sono", u"mele.", u"C'\u00e8 una sola mela.",
        u"Quante mele vengono tagliate?", u"Vengono tagliate", u"mele.", u"\u00c8 stata tagliata una sola mela.", u"Nessuna mela \u00e8 stata tagliata.",
        u"Quante mele sono ancora intere?", u"Rimangono", u"mele intere.", u"\u00c8 rimasta solo una mela intera.", u"Non \u00e8 rimasta nessuna mela intera.",
        u"99FF33"
    },
    {   // 13
        u"Quante uova?", u"Ci sono", u"uova.", u"C'\u00e8 un solo uovo.",
        u"Quante uova si rompono?", u"Si rompono", u"uova.", u"Si \u00e8 rotto solo un uovo.", u"Nessun uovo si \u00e8 rotto.",
        u"Quante uova sono ancora intere?", u"Rimangono", u"uova intere.", u"\u00c8 rimasto solo un uovo intero.", u"Non \u00e8 rimasto nessun uovo intero.",
        u"996666"
    },
    {   // 14
        u"Quante casse del tesoro?", u"Ci sono", u"casse del tesoro.", u"C'\u00e8 una sola cassa del tesoro.",
        u"Quante casse del tesoro vengono aperte?", u"Vengono aperte", u"casse del tesoro.", u"Viene aperta solo una cassa del tesoro.", u"Non viene aperta nessuna cassa del tesoro.",
        u"Quante casse del tesoro rimangono chiuse?", u"Rimangono chiuse", u"casse del tesoro.", u"\u00c8 rimasta chiusa solo una cassa del tesoro.", u"Non \u00e8 rimasta chiusa nessuna cassa del tesoro.",
        u"66FFFF"
    },
    {   // 15
        u"Quanti vasi?", u"Ci sono", u"vasi.", u"C'\u00e8 un solo vaso.",
        u"In quanti vasi spunta il fiore?", u"Spuntano", u"fiori.", u"Spunta un solo fiore.", u"Non spunta nessun fiore.",
        u"Quanti vasi rimangono vuoti?", u"Rimangono vuoti", u"vasi.", u"\u00c8 rimasto vuoto un solo vaso.", u"Nessun vaso \u00e8 rimasto vuoto.",
        u"0033CC"
    },
    {   // 16
        u"Quante candele?", u"Ci sono", u"candele.", u"C'\u00e8 una sola candela.",
        u"Quante candele vengono accese?", u"Sono state accese", u"candele.", u"\u00c8 stata accesa una sola candela.", u"Non \u00e8 stata accesa nessuna candela.",
        u"Quante candele rimangono spente?", u"Rimangono spente", u"candele.", u"\u00c8 rimasta spenta una sola candela.", u"Non \u00e8 rimasta spenta nessuna candela.",
        u"0033CC"
    },
    {   // 17
        u"Quanti libri?", u"Ci sono", u"libri.", u"C'\u00e8 un solo libro.",
        u"Quanti libri aperti?", u"Ci sono", u"libri aperti.", u"C'\u00e8 un solo libro aperto.", u"Non c'\u00e8 nessun libro aperto.",
        u"Quanti libri chiusi?", u"Ci sono", u"libri chiusi.", u"C'\u00e8 un solo libro chiuso.", u"Non c'\u00e8 nessun libro chiuso.",
        u"FFCC00"
    },
    {   // 18
        u"Quante automobili in partenza?", u"Ci sono", u"automobili in partenza.", u"C'\u00e8 una sola automobile in partenza.",
        u"Quante automobili sono partite?", u"Sono partite", u"automobili.", u"\u00c8 partita una sola automobile.", u"Non \u00e8 partita nessuna automobile.",
        u"Quante automobili sono rimaste in partenza?", u"Sono rimaste in partenza", u"automobili.", u"\u00c8 rimasta in partenza una sola automobile.", u"Non \u00e8 rimasta in partenza nessuna automobile.",
        u"CC9933"
    },
    {   // 19
        u"Quanti missili sulla rampa di lancio?", u"Ci sono", u"missili sulla rampa di lancio.", u"C'\u00e8 un solo missile sulla rampa di lancio.",
        u"Quanti missili sono stati lanciati?", u"Sono stati lanciati", u"missili.", u"\u00c8 stato lanciato un solo missile.", u"Non \u00e8 stato lanciato nessun missile.",
        u"Quanti missili sono rimasti sulla rampa di lancio?", u"Sono rimasti sulla rampa di lancio", u"missili.", u"\u00c8 rimasto sulla rampa di lancio un solo missile.", u"Non \u00e8 rimasto sulla rampa di lancio nessun missile.",
        u"000066"
    },
    {   // 20
        u"Quante lampadine?", u"Ci sono", u"lampadine.", u"C'\u00e8 una sola lampadina.",
        u"Quante lampadine vengono accese?", u"Sono state accese", u"lampadine.", u"\u00c8 stata accesa una sola lampadina.", u"Non \u00e8 stata accesa nessuna lampadina.",
        u"Quante lampadine rimangono spente?", u"Rimangono spente", u"lampadine.", u"\u00c8 rimasta spenta una sola lampadina.", u"Non \u00e8 rimasta spenta nessuna lampadina.",
        u"FFFFFF"
    },
    {   // 21
        u"Quante scatole di matite colorate?", u"Ci sono", u"scatole di matite colorate.", u"C'\u00e8 una sola scatola di matite colorate.",
        u"Quante scatole vengono aperte?", u"Sono state aperte", u"scatole.", u"\u00c8 stata aperta una sola scatola.", u"Non \u00e8 stata aperta nessuna scatola.",
        u"Quante scatole rimangono chiuse?", u"Rimangono chiuse", u"scatole.", u"\u00c8 rimasta chiusa una sola scatola.", u"Non \u00e8 rimasta chiusa nessuna scatola.",
        u"0000CC"
    },
    {   // 22
        u"Quanti biscotti?", u"Ci sono", u"biscotti.", u"C'\u00e8 un solo biscotto.",
        u"Quanti biscotti vengono mangiati?", u"Sono stati mangiati", u"biscotti.", u"\u00c8 stato mangiato un solo biscotto.", u"Non \u00e8 stato mangiato nessun biscotto.",
        u"Quanti biscotti rimangono?", u"Rimangono", u"biscotti.", u"\u00c8 rimasto un solo biscotto.", u"Non \u00e8 rimasto nessun biscotto.",
        u"FFFFFF"
    },
    {   // 23
        u"Quante foche?", u"Ci sono", u"foche.", u"C'\u00e8 una sola foca.",
        u"Quante foche giocano con la palla?", u"Ci sono", u"foche che giocano con la palla.", u"C'\u00e8 una sola foca che gioca con la palla.", u"Non ci sono foche che giocano con la palla.",
        u"Quante foche non giocano con la palla?", u"Ci sono", u"foche che non giocano con la palla.", u"C'\u00e8 una sola foca che non gioca con la palla.", u"Non ci sono foche che non giocano con la palla.",
        u"FFFFCC"
    },
};

}
