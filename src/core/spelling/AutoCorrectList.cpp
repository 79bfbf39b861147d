#include "core/spelling/AutoCorrectList.h"

namespace {

// Slot order: slot 1 first.
constexpr AutoCorrectPair pairs[AutoCorrectList::Size] = {
    {"abbout", "about"}, {"abotu", "about"}, {"absecce", "absence"}, {"accesories", "accessories"},
    {"accidant", "accident"}, {"accross", "across"}, {"acheive", "achieve"}, {"acheived", "achieved"},
    {"adn", "and"}, {"advanage", "advantage"}, {"affraid", "afraid"}, {"agian", "again"},
    {"agressive", "aggressive"}, {"ahppen", "happen"}, {"ahve", "have"}, {"almsot", "almost"}, {"alot", "a lot"},
    {"alway", "always"}, {"amke", "make"}, {"anbd", "and"}, {"anual", "annual"}, {"apparant", "apparent"},
    {"asthe", "as the"}, {"atthe", "at the"}, {"awya", "away"}, {"bakc", "back"}, {"becaus", "because"},
    {"begining", "beginning"}, {"betwen", "between"}, {"bve", "be"}, {"certian", "certain"}, {"chaneg", "change"},
    {"cheif", "chief"}, {"chekc", "check"}, {"circut", "circuit"}, {"claer", "clear"}, {"cliant", "client"},
    {"cna", "can"}, {"completness", "completeness"}, {"comtain", "contain"}, {"conferance", "conference"},
    {"coudl", "could"}, {"cpoy", "copy"}, {"cxan", "can"}, {"decison", "decision"}, {"diaplay", "display"},
    {"divsion", "division"}, {"doese", "does"}, {"doign", "doing"}, {"doller", "dollar"}, {"drnik", "drink"},
    {"efel", "feel"}, {"ehr", "her"}, {"enought", "enough"}, {"equippment", "equipment"}, {"esle", "else"},
    {"especally", "especially"}, {"excellant", "excellent"}, {"excercise", "exercise"}, {"excitment", "excitement"},
    {"exhcange", "exchange"}, {"experiance", "experience"}, {"eyt", "yet"}, {"familair", "familiar"},
    {"familar", "familiar"}, {"feild", "field"}, {"feilds", "fields"}, {"fidn", "find"}, {"firts", "first"},
    {"fora", "for a"}, {"forthe", "for the"}, {"forwrds", "forwards"}, {"freind", "friend"}, {"frmo", "from"},
    {"furneral", "funeral"}, {"fwe", "few"}, {"gaurd", "guard"}, {"gerat", "great"}, {"geting", "getting"},
    {"gievn", "given"}, {"gonig", "going"}, {"goverment", "government"}, {"grwo", "grow"},
    {"guidlines", "guidelines"}, {"hadbeen", "had been"}, {"haev", "have"}, {"hasbeen", "has been"}, {"hda", "had"},
    {"helpfull", "helpful"}, {"hesaid", "he said"}, {"hewas", "he was"}, {"hge", "he"}, {"hlep", "help"},
    {"hsa", "has"}, {"hsi", "his"}, {"hte", "the"}, {"htey", "they"}, {"htis", "this"}, {"hvae", "have"},
    {"hwich", "which"}, {"i", "I"}, {"idae", "idea"}, {"ihs", "his"}, {"imediate", "immediate"},
    {"importent", "important"}, {"inthe", "in the"}, {"isthe", "is the"}, {"itis", "it is"}, {"jsut", "just"},
    {"judment", "judgment"}, {"knowldge", "knowledge"}, {"knwo", "know"}, {"lastyear", "last year"},
    {"lenght", "length"}, {"levle", "level"}, {"liek", "like"}, {"likly", "likely"}, {"lisence", "license"},
    {"loev", "love"}, {"maintenence", "maintenance"}, {"makeing", "making"}, {"managment", "management"},
    {"merchent", "merchant"}, {"mesage", "message"}, {"mispell", "misspell"}, {"mkae", "make"},
    {"morgage", "mortgage"}, {"mroe", "more"}, {"mysefl", "myself"}, {"myu", "my"}, {"necesary", "necessary"},
    {"nkow", "know"}, {"nver", "never"}, {"nwo", "now"}, {"obediant", "obedient"}, {"ocasion", "occasion"},
    {"occured", "occurred"}, {"ocur", "occur"}, {"ohter", "other"}, {"omre", "more"}, {"oneof", "one of"},
    {"onepoint", "one point"}, {"onthe", "on the"}, {"onyl", "only"}, {"orginized", "organized"},
    {"orginize", "organize"}, {"otehr", "other"}, {"otu", "out"}, {"peice", "piece"}, {"permanant", "permanent"},
    {"pleasent", "pleasant"}, {"postition", "position"}, {"pregnent", "pregnant"}, {"puting", "putting"},
    {"pwoer", "power"}, {"quesion", "question"}, {"reccomend", "recommend"}, {"recieve", "receive"},
    {"reccomend", "recommend"}, {"religous", "religious"}, {"reluctent", "reluctant"}, {"remeber", "remember"},
    {"representives", "representatives"}, {"resorces", "resources"}, {"responce", "response"},
    {"restaraunt", "restaurant"}, {"reveiw", "review"}, {"rumers", "rumors"}, {"rythm", "rhythm"},
    {"saidhe", "said he"}, {"secratary", "secretary"}, {"seh", "she"}, {"sentance", "sentence"},
    {"shcool", "school"}, {"shineing", "shining"}, {"shiped", "shipped"}, {"simalar", "similar"},
    {"similiar", "similar"}, {"sincerly", "sincerely"}, {"smae", "same"}, {"smoe", "some"}, {"sohw", "show"},
    {"somethign", "something"}, {"speach", "speech"}, {"statment", "statement"}, {"stpo", "stop"},
    {"successfull", "successful"}, {"sucess", "success"}, {"sufficiant", "sufficient"}, {"suprise", "surprise"},
    {"swiming", "swimming"}, {"tahn", "than"}, {"taht", "that"}, {"tath", "that"}, {"tecnical", "technical"},
    {"teh", "the"}, {"tehy", "they"}, {"termoil", "turmoil"}, {"tghe", "the"}, {"thansk", "thanks"},
    {"their are", "there are"}, {"their is", "there is"}, {"themself", "themselves"}, {"theri", "their"},
    {"thesame", "the same"}, {"thge", "the"}, {"thigsn", "things"}, {"thna", "than"}, {"thne", "then"},
    {"thnig", "thing"}, {"thsi", "this"}, {"thsoe", "those"}, {"thta", "that"}, {"tihs", "this"}, {"timne", "time"},
    {"tje", "the"}, {"tjhe", "the"}, {"tkae", "take"}, {"tomorow", "tomorrow"}, {"totaly", "totally"},
    {"tothe", "to the"}, {"truely", "truly"}, {"tryed", "tried"}, {"unpleasently", "unpleasantly"},
    {"untill", "until"}, {"vulnerible", "vulnerable"}, {"waht", "what"}, {"warrent", "warrant"}, {"watn", "want"},
    {"wehn", "when"}, {"werre", "were"}, {"whcih", "which"}, {"whta", "what"}, {"wierd", "weird"},
    {"wihch", "which"}, {"wiht", "with"}, {"withe", "with"}, {"woh", "who"}, {"writting", "writing"},
    {"wtih", "with"}, {"wya", "way"}, {"yuo", "you"}, {"yuor", "your"}
};

} // namespace

std::span<const AutoCorrectPair> AutoCorrectList::pairs()
{
    return ::pairs;
}
