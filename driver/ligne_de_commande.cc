#include "driver/ligne_de_commande.h"

#include <cstring>
#include <string_view>

#include "io/latin1.h"

#ifndef RYTHME_VERSION
#define RYTHME_VERSION "?"
#endif

namespace {

constexpr const char* ligne_usage = "usage : rythme [numérateur dénominateur [décomposition]] < texte\n"_l1;

// A whole number: an optional sign, then digits, nothing else. Its value is
// kept between the bounds given; false when the word is not one or is out.
bool nombre_entier(const char* mot, int32_t min, int32_t max, int32_t& valeur) {
  const char* c = mot;
  const bool negatif = *c == '-';
  if (*c == '-' || *c == '+') ++c;
  if (*c == '\0') return false;
  int64_t v = 0;
  for (; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return false;
    v = v * 10 + (*c - '0');
    if (v > 100000) v = 100000;  // far beyond every bound: stays there
  }
  if (negatif) v = -v;
  if (v < min || v > max) return false;
  valeur = static_cast<int32_t>(v);
  return true;
}

// The length of the UTF-8 character that starts at c, or 0 if none does.
std::size_t caractere_utf8(const unsigned char* c) {
  std::size_t n = 0;
  if (*c >= 0xC2 && *c <= 0xDF) n = 2;
  else if (*c >= 0xE0 && *c <= 0xEF) n = 3;
  else if (*c >= 0xF0 && *c <= 0xF4) n = 4;
  for (std::size_t i = 1; i < n; ++i)
    if ((c[i] & 0xC0) != 0x80) return 0;
  return n;
}

bool en_utf8(const char* mot) {
  for (const auto* c = reinterpret_cast<const unsigned char*>(mot); *c != 0;) {
    const std::size_t n = *c < 0x80 ? 1 : caractere_utf8(c);
    if (n == 0) return false;
    c += n;
  }
  return true;
}

// The word as the message shows it: its own bytes as typed (UTF-8 or
// Latin-1), control bytes as '?', and a long word cut after 40 characters.
std::string mot_montre(const char* mot) {
  constexpr std::size_t longueur_max = 40;
  const bool utf8 = en_utf8(mot);
  std::string montre;
  std::size_t caracteres = 0;
  for (const char* c = mot; *c != '\0'; ++caracteres) {
    if (caracteres == longueur_max) {
      montre += "...";
      break;
    }
    const auto octet = static_cast<unsigned char>(*c);
    if (utf8 && octet >= 0x80) {  // a whole character: its continuation bytes are no controls
      const std::size_t n = caractere_utf8(reinterpret_cast<const unsigned char*>(c));
      montre.append(c, n);
      c += n;
      continue;
    }
    montre += (octet < 0x20 || (octet >= 0x7F && octet < 0xA0)) ? '?' : *c;
    ++c;
  }
  return montre;
}

LigneDeCommande refus(MotFautif mot, const char* nom, const char* texte, const char* attendu) {
  LigneDeCommande l;
  l.demande = LigneDeCommande::Demande::refus;
  l.mot_fautif = mot;
  l.message = "rythme : ";
  l.message += nom;
  l.message += " «"_l1;
  l.debut_du_mot = l.message.size();
  l.message += mot_montre(texte);
  l.fin_du_mot = l.message.size();
  l.message += "» refusé : "_l1;
  l.message += attendu;
  l.message += ".\n";
  l.message += ligne_usage;
  return l;
}

}  // namespace

LigneDeCommande lit_ligne_de_commande(int argc, const char* const* argv) {
  LigneDeCommande l;
  if (argc == 2) {
    const std::string_view mot = argv[1];
    if (mot == "--help" || mot == "-h") l.demande = LigneDeCommande::Demande::aide;
    if (mot == "--version") l.demande = LigneDeCommande::Demande::version;
    return l;  // any other single word is ignored
  }
  if (argc != 3 && argc != 4) return l;  // the meter will be inferred
  if (!nombre_entier(argv[1], 1, 99, l.numérateur))
    return refus(MotFautif::numérateur, "numérateur"_l1, argv[1], "un nombre entier de 1 à 99 est attendu"_l1);
  if (!nombre_entier(argv[2], 1, 99, l.dénominateur))
    return refus(MotFautif::dénominateur, "dénominateur"_l1, argv[2],
                 "un nombre entier de 1 à 99 est attendu (1, 2, 4, 8, 16, 32 ou 64)"_l1);
  if (argc == 4) {
    int32_t demande = 0;
    if (!nombre_entier(argv[3], INT16_MIN, INT16_MAX, demande))
      return refus(MotFautif::décomposition, "mot de décomposition"_l1, argv[3],
                   "un nombre entier de -32768 à 32767 est attendu (0 : non, autre : oui)"_l1);
    l.décomposition = static_cast<int16_t>(demande);
  }
  l.metre = true;
  return l;
}

const char* texte_aide() {
  return "usage : rythme [numérateur dénominateur [décomposition]] < texte\n"
         "       rythme [--musicxml FICHIER] [--midi FICHIER] [--tempo N] [numérateur ...] < texte\n"
         "       rythme --help | -h | --version\n"
         "Vérifie le rythme d'un texte noté un caractère par valeur, lu sur l'entrée\n"
         "standard : la liste des mesures va sur la sortie standard, les fautes (en\n"
         "français, situées par ligne, colonne, mesure et temps) sur la sortie d'erreur.\n"
         "  numérateur dénominateur  la mesure, de 1 à 99 chacun (3 4, 6 8) ; sans eux,\n"
         "                           elle est déduite de la première mesure barrée\n"
         "  décomposition            non nul : une mesure composée battue en sous-temps\n"
         "  --musicxml FICHIER       la partition en MusicXML, fautes en couleur, pour un\n"
         "                           éditeur de partitions ; - : sur la sortie standard\n"
         "  --midi FICHIER           le rythme joué, en fichier MIDI (reprises déroulées)\n"
         "  --tempo N                noires par minute pour les deux, 1 à 1000 (60)\n"
         "Notation :\n"
         "  o d ! [ f t q   ronde, blanche, noire, croche, double, triple, quadruple\n"
         "  - = < > k x w   les silences de mêmes valeurs (pause ... seizième de soupir)\n"
         "  .  point     _  liaison     espace  fin de temps\n"
         "  |  barre     || double barre finale (une barre en fin de texte aussi)\n"
         "  |: :| |1.    reprises et fins de reprise\n"
         "  3/4 C C\\     changements de mesure     ( ... )3  groupolet, chiffre de 2 à 7\n"
         "Un retour-chariot compte comme une barre : convertir un fichier aux fins de\n"
         "ligne Windows avec tr -d '\\r'.\n"
         "Statut de sortie : 0 si le texte est vérifié jusqu'à sa double barre, 1 sinon.\n"
         "Manuel : man rythme (page rythme.1).\n"_l1;
}

const char* texte_version() { return "rythme " RYTHME_VERSION "\n"; }
