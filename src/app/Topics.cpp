#include "app/Topics.h"

namespace app {

const std::vector<Topic>& Topics()
{
    static const std::vector<Topic> topics = {
        {"Label43", 176, 29, "Convertisseur", "Conversion", "TFormConvertisseur", nullptr, true, "interface/Convertion.bmp", "interface/Convertion_en.bmp", {}},
        {"Label3", 176, 46, "Memory device", nullptr, "TAboutBox", nullptr, true, "interface/MemoryDevice.bmp", nullptr, {}},
        {"Label2", 176, 88, "Code de résistance", "Resistor color code", "TFormCodeRes", "Code de résistance", false, "interface/resistance2.bmp", nullptr, {"Label15"}},
        {"Label15", 184, 101, "> Valeur recherchée", "> Resistor search", "TFormCodeRes", "Valeur recherchée", false, "interface/ValRec.bmp", nullptr, {"Label2", "Label1"}},
        {"Label1", 184, 114, "> Standard de EIA", "> Standard EIA", "TFormCodeRes", "Standard de EIA", false, "interface/Annexe_Res.bmp", nullptr, {"Label8", "Label15"}},
        {"Label8", 176, 127, "Résistance d'un conducteur", "Resistivities of conductors", "TFormResConduc", nullptr, false, "interface/ResCable.bmp", nullptr, {"Label1", "Label9"}},
        {"Label9", 176, 140, "Résistance en SÉRIE", "Resistors in SERIES", "TFormResistor", "Série", false, "interface/SerieParal.bmp", nullptr, {"Label8", "Label16"}},
        {"Label16", 184, 153, "> Résistance en PARALLÈLE", "> Resistors in PARALLEL", "TFormResistor", "Parallèle", false, "interface/ResPara.bmp", nullptr, {"Label9", "Label35"}},
        {"Label35", 184, 166, "> Autres formules ", "> Other formulas", "TFormResistor", "Autres formules", false, "interface/Autformule.bmp", nullptr, {"Label16", "Label10"}},
        {"Label10", 176, 179, "Tableur PARALLÈLE", "Table of Two resistors in PARALLEL", "TFormTableauParallele", nullptr, false, "interface/TableurSP.bmp", nullptr, {"Label35"}},
        {"Label7", 176, 232, "Circuits séries RL et RC", "Impedance in series RL and RC", "TFormImpedance", nullptr, false, "interface/ImpSerieRLRC.bmp", nullptr, {"Label30"}},
        {"Label30", 176, 245, "Circuits séries RLC", "Impedance in series RCL", "TFormSerieRLC", nullptr, false, "interface/ImpSerieRLC.bmp", nullptr, {"Label7", "Label31"}},
        {"Label31", 184, 258, "> Tableur de l'impédance série R et X", "> Table of impedance in series R and X", "TFormTableurImpedance", nullptr, false, "interface/TabImpSerie.bmp", nullptr, {"Label30", "Label32"}},
        {"Label32", 176, 271, "Circuits séries LC", "Impedance in series LC", "TFormCircuitLCSerie", nullptr, false, "interface/ImpSerieLC.bmp", nullptr, {"Label31", "Label33"}},
        {"Label33", 176, 284, "Circuits Parallèles RL", "Impedance in parallel RL", "TFormParaRLRCLC", "RL", false, "interface/ImpParaRLC.bmp", nullptr, {"Label32", "Label38"}},
        {"Label38", 184, 297, "> Circuits Parralèles RC", "> Impedance in parallel RC", "TFormParaRLRCLC", "RC", false, "interface/ImpParaRC.bmp", nullptr, {"Label33", "Label39"}},
        {"Label39", 184, 310, "> Circuits Parallèles LC", "> Impedance in parallel LC", "TFormParaRLRCLC", "LC", false, "interface/ImpParaLC.bmp", nullptr, {"Label38"}},
        {"Label5", 176, 368, "Aide mémoire", "Memory help", "TFormOnde", "Aide mémoire", false, "interface/AideMemoire.bmp", "interface/memoryhelp_en.bmp", {"Label17"}},
        {"Label17", 184, 381, "> Shémas", "> Diagram", "TFormOnde", "Schémas", false, "interface/Onde.bmp", nullptr, {"Label5", "Label18"}},
        {"Label18", 184, 394, "> Fréquence", "> Frequency", "TFormOnde", "Fréquence", false, "interface/frequence.bmp", nullptr, {"Label17", "Label19"}},
        {"Label19", 184, 407, "> Période", "> Period", "TFormOnde", "Période", false, "interface/Periode.bmp", nullptr, {"Label18", "Label20"}},
        {"Label20", 184, 420, "> Longueur d'onde", "> Wavelength", "TFormOnde", "Longueur d'onde", false, "interface/LongueurOnde.bmp", nullptr, {"Label19", "Label40"}},
        {"Label40", 184, 433, "> Bande de fréquence", "> Allocation of frequency", "TFormOnde", "Bande de fréquence", false, "interface/BandeFrequence.bmp", "interface/BandeFrequence_en.bmp", {"Label20"}},
        {"Label21", 176, 448, "Résonance", "Resonance", "TFormResonance", nullptr, false, "interface/Resonance.bmp", nullptr, {}},
        {"Label22", 184, 464, "> Produit LC de résonance", "> Product LC", "TFormIndCapProReso", nullptr, false, "interface/ProduitResonance.bmp", nullptr, {}},
        {"Label11", 496, 32, "Condensateur en SÉRIE", "Capacitors in series", "TCondensateur", "Série", false, "interface/CondSerieParal.bmp", nullptr, {"Label36"}},
        {"Label36", 504, 45, "> Condensateur en PARALLÈLE", "> Capacitors in parallel", "TCondensateur", "Parallèle", false, "interface/CondPara.bmp", nullptr, {"Label11", "Label12"}},
        {"Label12", 504, 58, "> Tableau de type", "> Capacitor types", "TCondensateur", "Type de condensateur", false, "interface/CondType.bmp", nullptr, {"Label36", "Label37"}},
        {"Label37", 504, 71, "> Autres formules", "> Other formulas", "TCondensateur", "Autres formules", false, "interface/AutreFormCSerie.bmp", nullptr, {"Label12", "Label4"}},
        {"Label4", 496, 84, "Tableur SÉRIE", "Table of Two capacitors in SERIES", "TTableurCondserie", nullptr, false, "interface/CondSerie.bmp", nullptr, {"Label37", "Label13"}},
        {"Label13", 496, 97, "Réactance Capacitive", "Capacitive reactance", "TFormReacCap", nullptr, false, "interface/ReactanceCap.bmp", nullptr, {"Label4", "Label14"}},
        {"Label14", 504, 110, "> Tableur de la réactance capacitive", "> Table of capacitive reactance", "TFormTabReacCap", nullptr, false, "interface/TabReactCap.bmp", nullptr, {"Label13"}},
        {"Label6", 496, 368, "Inductance (bobine cylindrique)", "Inductance (cylindrical coil)", "TInducPropre", nullptr, false, "interface/Cylindrique.bmp", nullptr, {"Label23"}},
        {"Label23", 504, 381, "> Inductance (bobine toroidale)", "> Inductance (toroidale coil)", "TBobineDair", nullptr, false, "interface/Toroidale.bmp", nullptr, {"Label6", "Label24"}},
        {"Label24", 504, 394, "> Inductance (câble coaxial)", "> Inductance (coaxial cable)", "TIndCoaxial", nullptr, false, "interface/Coaxial.bmp", nullptr, {"Label23", "Label25"}},
        {"Label25", 496, 407, "Inductance Série", "Inductance in SERIES", "TIndSerPara", "Inductance en série", false, "interface/IndSerie.bmp", nullptr, {"Label24", "Label41"}},
        {"Label41", 504, 420, "> Inductance Parallèle", "> Inductance in PARALLEL", "TIndSerPara", "Inductance en parallèle", false, "interface/IndPara.bmp", nullptr, {"Label25", "Label26"}},
        {"Label26", 496, 433, "Réactance inductive", "Inductive reactance", "TFormReacInd", nullptr, false, "interface/ReacInd.bmp", nullptr, {"Label41", "Label27"}},
        {"Label27", 504, 446, "> Tableur de la réactance inductive", "> Table of inductive reactance", "TFormTableurInd", nullptr, false, "interface/TabReactance.bmp", nullptr, {"Label26", "Label28"}},
        {"Label28", 496, 459, "Constante de temp RL", "Time constants RL", "TFormConstants", "RL", false, "interface/ConsTempRL.bmp", nullptr, {"Label27", "Label29"}},
        {"Label29", 504, 472, "> Tableur de la constante RL", "> Table of time constants RL", "TFormTableurRL", nullptr, false, "interface/TabRL.bmp", nullptr, {"Label28", "Label42"}},
        {"Label42", 504, 485, "> Constante de temp RC", "> Time constants RC", "TFormConstants", "RC", false, "interface/ConsTempRC.bmp", nullptr, {"Label29", "Label34"}},
        {"Label34", 504, 498, "> Tableur de la constante RC", "> Table of time constants RC", "TFormTableurRC", nullptr, false, "interface/TabConstTempRC.bmp", nullptr, {"Label42"}},
    };
    return topics;
}

const std::vector<const char*>& EnglishOrder()
{
    static const std::vector<const char*> order = {"Label43", "Label2", "Label15", "Label1", "Label8", "Label9", "Label16", "Label35", "Label10", "Label7", "Label30", "Label31", "Label32", "Label33", "Label38", "Label39", "Label5", "Label17", "Label18", "Label19", "Label20", "Label40", "Label21", "Label22", "Label11", "Label36", "Label12", "Label37", "Label4", "Label13", "Label14", "Label6", "Label23", "Label24", "Label25", "Label41", "Label26", "Label27", "Label28", "Label29", "Label42", "Label34"};
    return order;
}

const std::vector<const char*>& ResetOrder()
{
    static const std::vector<const char*> order = {"Label43", "Label3", "Label2", "Label15", "Label8", "Label9", "Label16", "Label35", "Label10", "Label7", "Label30", "Label31", "Label32", "Label33", "Label38", "Label39", "Label5", "Label17", "Label18", "Label19", "Label20", "Label40", "Label21", "Label22", "Label11", "Label36", "Label12", "Label37", "Label1", "Label4", "Label13", "Label14", "Label6", "Label23", "Label24", "Label25", "Label41", "Label26", "Label27", "Label28", "Label29", "Label42", "Label34"};
    return order;
}

} // namespace app
