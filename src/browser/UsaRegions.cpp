#include "browser/AreaTableData.h"

namespace orvane::area_data {
namespace {

// USA: sub-area lists; the position (from 1) is the SS digits.
constexpr std::string_view kUsaAL[] = {
    "Autauga/Baldwin",      "Barbour/Blount Co.",  "Butler/Calhoun/Clay", "Coffee/Colbert Co.",
    "Covington/Cullman",    "Dale/Dallas/De Kalb", "Elmore/Escambia",     "Etowah/Franklin Co.",
    "Houston/Jackson Co.",  "Jefferson County",    "Lauderdale/Lee Co.",  "Limestone/Madison",
    "Marengo/Marshall",     "Mobile/Montgomery",   "Morgan/Pike County",  "Russell/Shelby Co.",
    "Talladega/Tallapoosa", "Tuscaloosa/Walker",   "Other Counties"};
constexpr std::string_view kUsaAK[] = {"All Counties"};
constexpr std::string_view kUsaAZ[] = {
    "Cochise/Coconino/Gila", "Maricopa County",  "Mohave/Navajo Co.", "Pima County",
    "Pinal/Santa Cruz Co.",  "Yavapai/Yuma Co.", "Other Counties"};
constexpr std::string_view kUsaAR[] = {
    "Benton/Boone/Carroll", "Cleburne/Craighead", "Crawford/Faulkner",   "Garland/Hot Spring",
    "Jefferson/Logan Co.",  "Lonoke/Miller Co.",  "Mississippi/Pulaski", "Sebastian/Union Co.",
    "Washington/White",     "Other Counties"};
constexpr std::string_view kUsaCA[] = {
    "Alameda County",    "Butte/Calaveras Co.",   "Contra Costa Co.",    "Del Norte/El Dorado",
    "Fresno/Humboldt",   "Imperial/Inyo Co.",     "Kern/Lake/Lassen",    "Los Angeles County",
    "Madera/Marin Co.",  "Mariposa/Mendocino",    "Merced/Modoc Co.",    "Monterey County",
    "Napa/Nevada Co.",   "Orange County",         "Placer/Plumas Co.",   "Riverside County",
    "Sacramento County", "San Benito County",     "San Bernardino Co.",  "San Diego County",
    "San Francisco Co.", "San Joaquin County",    "San Luis Obispo Co.", "San Mateo County",
    "Santa Barbara Co.", "Santa Clara County",    "Santa Cruz/Shasta",   "Siskiyou/Solano Co.",
    "Sonoma County",     "Stanislaus/Sutter Co.", "Tulare/Tuolumne Co.", "Ventura/Yolo County",
    "Other Counties"};
constexpr std::string_view kUsaCO[] = {
    "Adams County",       "Arapahoe County",     "Archuleta/Boulder", "Denver/Douglas Co.",
    "Eagle/El Paso Co.",  "Garfield/Grand Co.",  "Jefferson County",  "Kit Carson/La Plata",
    "Larimer/Logan/Mesa", "Otero/Pitkin/Pueblo", "Routt/Summit/Weld", "Other Counties"};
constexpr std::string_view kUsaCT[] = {"Fairfield County", "Hartford County",  "Litchfield County",
                                       "Middlesex County", "New Haven County", "New London County",
                                       "Tolland County",   "Windham County"};
constexpr std::string_view kUsaDE[] = {"Kent County", "New Castle County", "Sussex County"};
constexpr std::string_view kUsaDC[] = {"All Counties"};
constexpr std::string_view kUsaFL[] = {
    "Alachua/Baker Co.",    "Bay/Brevard Co.",   "Broward County",     "Charlotte County",
    "Citrus/Clay County",   "Collier County",    "Columbia/De Soto",   "Duval/Escambia Co.",
    "Flagler/Franklin Co.", "Glades/Hardee Co.", "Hernando/Highlands", "Hillsborough County",
    "Indian River/Jackson", "Lake County",       "Lee County",         "Leon/Levy County",
    "Manatee County",       "Marion/Martin Co.", "Miami-Dade/Monroe",  "Nassau/Okaloosa",
    "Okeechobee County",    "Orange County",     "Osceola County",     "Palm Beach County",
    "Pasco County",         "Pinellas County",   "Polk County",        "Putnam/St. Johns",
    "St. Lucie/Santa Rosa", "Sarasota County",   "Seminole/Sumter",    "Volusia County",
    "Other Counties"};
constexpr std::string_view kUsaGA[] = {
    "Bartow/Bibb/Bleckley",  "Bryan/Bulloch Co.",    "Camden/Carroll Co.", "Chatham/Cherokee",
    "Clayton/Cobb/Coffee",   "Columbia/Coweta",      "Crisp/Dade/De Kalb", "Dougherty/Douglas",
    "Fayette/Floyd/Forsyth", "Fulton County",        "Glynn/Greene Co.",   "Gwinnett/Habersham",
    "Hall/Henry/Houston",    "Jackson/Laurens Co.",  "Lowndes/Meriwether", "Muscogee/Pickens",
    "Pierce/Pike/Polk Co.",  "Putnam/Rabun Co.",     "Richmond/Rockdale",  "Spalding/Sumter Co.",
    "Tift/Troup County",     "Walker/Whitfield Co.", "Other Counties"};
constexpr std::string_view kUsaHI[] = {"Hawaii County", "Honolulu County", "Kalawao County",
                                       "Kauai County", "Maui County"};
constexpr std::string_view kUsaID[] = {"Ada/Bannock/Blaine",  "Bonner/Bonneville",
                                       "Canyon/Elmore Co.",   "Fremont/Jefferson",
                                       "Kootenai/Twin Falls", "Other Counties"};
constexpr std::string_view kUsaIL[] = {"Adams/Bureau/Carroll",
                                       "Champaign/Christian",
                                       "Clinton/Coles County",
                                       "Cook County",
                                       "Crawford County",
                                       "De Kalb/Douglas Co.",
                                       "Du Page County",
                                       "Fayette/Franklin Co.",
                                       "Fulton/Grundy Co.",
                                       "Hancock/Henry Co.",
                                       "Iroquois/Jackson Co.",
                                       "Jefferson/Jersey Co.",
                                       "Jo Daviess/Kane Co.",
                                       "Kankakee County",
                                       "Kendall/Knox County",
                                       "Lake County",
                                       "La Salle/Lee/Livingston",
                                       "Mc Donough/Mc Henry",
                                       "Mc Lean/Macon Co.",
                                       "Macoupin/Madison",
                                       "Marion/Marshall Co.",
                                       "Monroe/Montgomery",
                                       "Morgan/Ogle County",
                                       "Peoria/Randolph Co.",
                                       "Rock Island/St. Clair",
                                       "Sangamon/Shelby",
                                       "Stephenson/Tazewell",
                                       "Vermilion/Whiteside",
                                       "Will County",
                                       "Williamson/Winnebago",
                                       "Other Counties"};
constexpr std::string_view kUsaIN[] = {
    "Allen/Bartholomew",  "Boone/Cass/Clark",   "Dearborn/Decatur",     "De Kalb/Delaware",
    "Dubois/Elkhart Co.", "Fountain/Grant Co.", "Hamilton County",      "Hancock/Hendricks",
    "Henry/Howard Co.",   "Huntington/Jackson", "Jefferson/Johnson",    "Knox/Kosciusko Co.",
    "Lake County",        "La Porte/Lawrence",  "Madison/Marion Co.",   "Marshall/Miami Co.",
    "Monroe/Montgomery",  "Morgan/Noble Co.",   "Orange/Porter/Putnam", "Ripley/St. Joseph",
    "Steuben/Tippecanoe", "Vanderburgh/Vigo",   "Wabash/Warrick Co.",   "Wayne/White/Whitley",
    "Other Counties"};
constexpr std::string_view kUsaIA[] = {
    "Benton/Black Hawk",   "Boone/Bremer Co.",     "Buchanan/Buena Vista",  "Butler/Calhoun Co.",
    "Carroll/Cass/Cedar",  "Cerro Gordo/Cherokee", "Chickasaw/Clayton",     "Clinton/Dallas Co.",
    "Delaware/Des Moines", "Dickinson/Dubuque",    "Emmet/Fayette/Floyd",   "Franklin/Greene Co.",
    "Grundy/Guthrie Co.",  "Hamilton/Hancock",     "Hardin/Harrison Co.",   "Henry/Howard Co.",
    "Humboldt/Iowa Co.",   "Jasper/Johnson Co.",   "Jones/Kossuth Co.",     "Lee/Linn/Lyon Co.",
    "Mahaska/Marion Co.",  "Marshall/Muscatine",   "O'Brien/Palo Alto Co.", "Plymouth/Pocahontas",
    "Polk/Pottawattamie",  "Poweshiek/Scott Co.",  "Sioux/Story County",    "Tama/Warren Co.",
    "Webster/Winneshiek",  "Woodbury/Wright",      "Other Counties"};
constexpr std::string_view kUsaKS[] = {
    "Allen/Barton/Brown", "Butler/Cowley Co.",  "Crawford/Dickinson",  "Douglas/Ellis County",
    "Finney/Geary Co.",   "Harvey/Johnson Co.", "Labette/Leavenworth", "Mc Pherson/Miami",
    "Montgomery/Neosho",  "Osage/Pottawatomie", "Reno/Rice/Riley Co.", "Saline/Sedgwick Co.",
    "Shawnee/Sumner",     "Other Counties"};
constexpr std::string_view kUsaKY[] = {
    "Barren/Boone Co.",  "Bourbon/Boyd Co.",     "Bullitt/Calloway Co.", "Campbell/Christian",
    "Clark/Daviess Co.", "Fayette/Franklin Co.", "Greenup/Hardin Co.",   "Henderson/Hopkins",
    "Jefferson County",  "Jessamine/Kenton",     "Mc Cracken/Madison",   "Marshall/Mason Co.",
    "Muhlenberg/Nelson", "Oldham/Pulaski Co.",   "Rowan/Russell Co.",    "Shelby/Warren Co.",
    "Whitley/Woodford",  "Other Counties"};
constexpr std::string_view kUsaLA[] = {
    "Acadia/Ascension",    "Avoyelles/Bossier", "Caddo/Calcasieu",   "East Baton Rouge",
    "Jefferson/Lafayette", "Lafourche/Lincoln", "Orleans/Ouachita",  "Rapides/St. Charles",
    "St. Tammany Co.",     "Tangipahoa County", "Terrebonne County", "Washington County",
    "Other Counties"};
constexpr std::string_view kUsaME[] = {
    "Androscoggin County", "Aroostook County",   "Cumberland/Franklin", "Hancock/Kennebec",
    "Knox/Oxford County",  "Somerset/Waldo Co.", "York County",         "Other Counties"};
constexpr std::string_view kUsaMD[] = {
    "Allegany County",      "Anne Arundel County", "Baltimore County",      "Baltimore City Co.",
    "Carroll/Cecil County", "Charles/Frederick",   "Harford/Howard Co.",    "Montgomery County",
    "Prince George's Co.",  "Queen Anne's Co.",    "St. Mary's/Talbot Co.", "Washington/Wicomico",
    "Worcester County",     "Other Counties"};
constexpr std::string_view kUsaMA[] = {
    "Barnstable County", "Berkshire County", "Bristol/Dukes Co.", "Essex County",
    "Franklin/Hampden",  "Hampshire County", "Middlesex County",  "Nantucket/Norfolk",
    "Plymouth County",   "Suffolk County",   "Worcester County"};
constexpr std::string_view kUsaMI[] = {
    "Alcona/Allegan/Alpena", "Antrim/Barry/Bay",       "Benzie/Berrien/Branch",
    "Calhoun/Cass County",   "Charlevoix/Cheboygan",   "Chippewa/Clare Co.",
    "Clinton/Delta County",  "Dickinson/Eaton Co.",    "Emmet/Genesee Co.",
    "Gladwin/Gogebic Co.",   "Grand Traverse/Gratiot", "Hillsdale/Houghton",
    "Huron/Ingham/Ionia",    "Iosco/Isabella/Jackson", "Kalamazoo/Kalkaska",
    "Kent County",           "Lapeer/Leelanau Co.",    "Lenawee/Livingston",
    "Mackinac/Macomb",       "Manistee/Marquette",     "Mason/Mecosta Co.",
    "Midland/Monroe Co.",    "Montcalm/Montmorency",   "Muskegon/Newaygo",
    "Oakland County",        "Oceana/Ogemaw Co.",      "Osceola/Otsego Co.",
    "Ottawa/Roscommon",      "Saginaw/St. Clair",      "St. Joseph/Sanilac",
    "Shiawassee/Tuscola",    "Van Buren/Washtenaw",    "Wayne County",
    "Wexford County",        "Other Counties"};
constexpr std::string_view kUsaMN[] = {
    "Anoka/Becker Co.",    "Beltrami/Benton Co.",   "Blue Earth/Brown",    "Carlton/Carver Co.",
    "Cass/Chisago/Clay",   "Cook/Cottonwood",       "Crow Wing County",    "Dakota County",
    "Dodge/Douglas Co.",   "Faribault/Fillmore",    "Freeborn/Goodhue",    "Hennepin County",
    "Houston/Hubbard",     "Isanti/Itasca/Jackson", "Kandiyohi/Le Sueur",  "Lyon/Mc Leod/Martin",
    "Mille Lacs/Morrison", "Mower/Nobles Co.",      "Olmsted/Otter Tail",  "Pine/Polk/Pope Co.",
    "Ramsey/Renville Co.", "Rice/Roseau County",    "St. Louis/Scott Co.", "Sherburne/Stearns",
    "Steele/Todd County",  "Waseca/Washington",     "Winona/Wright Co.",   "Other Counties"};
constexpr std::string_view kUsaMS[] = {
    "Adams/Alcorn Co.",    "Bolivar/De Soto Co.", "Forrest/Harrison Co.", "Hinds/Jackson Co.",
    "Jones/Lauderdale",    "Lee/Lowndes County",  "Madison/Monroe Co.",   "Pike/Rankin County",
    "Tallahatchie County", "Other Counties"};
constexpr std::string_view kUsaMO[] = {
    "Andrew/Audrain Co.",    "Barry/Boone County",  "Buchanan/Butler Co.", "Callaway/Camden",
    "Cape Girardeau/Cass",   "Clay/Dunklin County", "Franklin/Greene Co.", "Howell/Jackson Co.",
    "Jasper/Jefferson Co.",  "Johnson/Lafayette",   "Lincoln/Marion Co.",  "Newton/Pettis Co.",
    "Randolph/Ray Co.",      "St. Charles County",  "St. Francois County", "St. Louis County",
    "St. Louis City County", "Stone/Taney County",  "Vernon/Warren Co.",   "Other Counties"};
constexpr std::string_view kUsaMT[] = {"Deer Lodge County",   "Flathead/Gallatin",
                                       "Lewis and Clark Co.", "Missoula/Ravalli Co.",
                                       "Yellowstone County",  "Other Counties"};
constexpr std::string_view kUsaNE[] = {
    "Adams/Buffalo Co.",   "Cass/Cedar/Dodge", "Douglas/Hall/Knox",     "Lancaster/Lincoln",
    "Madison/Otoe/Platte", "Sarpy County",     "Saunders/Scotts Bluff", "Other Counties"};
constexpr std::string_view kUsaNV[] = {"Carson City County", "Clark County",
                                       "Douglas/Elko Co.",   "Lander/Lyon/Nye",
                                       "Storey/Washoe Co.",  "Other Counties"};
constexpr std::string_view kUsaNH[] = {"Belknap/Carroll Co.",  "Cheshire/Coos Co.",
                                       "Grafton/Hillsborough", "Merrimack County",
                                       "Rockingham County",    "Strafford/Sullivan"};
constexpr std::string_view kUsaNJ[] = {
    "Atlantic County",   "Bergen/Burlington", "Camden/Cape May",  "Cumberland/Essex",
    "Gloucester/Hudson", "Hunterdon/Mercer",  "Middlesex County", "Monmouth County",
    "Morris/Ocean Co.",  "Passaic/Salem Co.", "Somerset/Sussex",  "Union/Warren Co."};
constexpr std::string_view kUsaNM[] = {"Bernalillo/Chaves",   "Dona Ana/Eddy Co.",
                                       "Lea/Lincoln/Otero",   "Sandoval/San Juan",
                                       "San Miguel/Santa Fe", "Other Counties"};
constexpr std::string_view kUsaNY[] = {
    "Albany/Allegany Co.",   "Bronx/Broome Co.",      "Cattaraugus/Cayuga",   "Chautauqua/Chemung",
    "Chenango/Clinton",      "Columbia/Cortland",     "Delaware/Dutchess",    "Erie County",
    "Essex/Franklin/Fulton", "Genesee/Greene Co.",    "Hamilton/Herkimer",    "Jefferson/Lewis Co.",
    "Livingston/Madison",    "Monroe County",         "Nassau County",        "Niagara/Oneida Co.",
    "Onondaga/Ontario",      "Orange/Orleans Co.",    "Oswego/Otsego Co.",    "Putnam/Queens Co.",
    "Rensselaer/Richmond",   "Rockland/St. Lawrence", "Saratoga/Schenectady", "Schuyler/Seneca Co.",
    "Suffolk County",        "Sullivan/Tioga Co.",    "Tompkins/Ulster Co.",  "Warren County",
    "Washington/Wayne",      "Westchester County",    "Wyoming County",       "Other Counties"};
constexpr std::string_view kUsaNC[] = {
    "Alamance/Alleghany",   "Avery/Beaufort Co.",  "Bladen/Brunswick",   "Buncombe/Burke",
    "Cabarrus/Caldwell",    "Carteret/Catawba",    "Cleveland/Craven",   "Cumberland/Currituck",
    "Dare/Davidson/Davie",  "Duplin/Durham Co.",   "Edgecombe/Forsyth",  "Franklin/Gaston Co.",
    "Guilford/Halifax Co.", "Harnett/Haywood",     "Henderson/Iredell",  "Jackson/Johnston",
    "Lee/Lenoir/Lincoln",   "Mc Dowell/Macon",     "Mecklenburg County", "Moore County",
    "Nash/New Hanover",     "Onslow/Pender/Pitt",  "Randolph/Robeson",   "Rockingham/Rowan",
    "Rutherford/Sampson",   "Scotland/Stanly Co.", "Stokes/Surry Co.",   "Transylvania/Union",
    "Wake/Watauga Co.",     "Wayne/Wilkes Co.",    "Wilson/Yadkin Co.",  "Other Counties"};
constexpr std::string_view kUsaND[] = {
    "Bottineau/Burleigh", "Cass/Grand Forks",   "La Moure/Mc Lean", "Morton/Mountrail",
    "Pembina/Ward Co.",   "Wells/Williams Co.", "Other Counties"};
constexpr std::string_view kUsaOH[] = {
    "Allen/Ashland Co.",  "Ashtabula/Athens",     "Auglaize/Belmont",   "Brown/Butler Co.",
    "Champaign/Clark",    "Clermont County",      "Columbiana County",  "Coshocton/Crawford",
    "Cuyahoga County",    "Darke/Defiance Co.",   "Delaware County",    "Erie/Fairfield County",
    "Franklin County",    "Fulton/Geauga Co.",    "Greene/Guernsey",    "Hamilton County",
    "Hancock/Highland",   "Huron/Jefferson/Knox", "Lake/Licking/Logan", "Lorain County",
    "Lucas/Mahoning Co.", "Marion/Medina/Mercer", "Miami/Montgomery",   "Muskingum/Ottawa",
    "Pickaway/Portage",   "Richland/Ross Co.",    "Sandusky/Seneca",    "Stark County",
    "Summit County",      "Trumbull/Tuscarawas",  "Union/Warren Co.",   "Washington County",
    "Wayne/Williams Co.", "Wood/Wyandot Co.",     "Other Counties"};
constexpr std::string_view kUsaOK[] = {
    "Blaine/Canadian Co.", "Carter/Cherokee",     "Cleveland/Comanche", "Creek/Delaware Co.",
    "Garfield/Harper/Kay", "Mayes/Muskogee",      "Oklahoma County",    "Osage/Ottawa/Payne",
    "Pittsburg/Pontotoc",  "Pottawatomie/Rogers", "Sequoyah/Stephens",  "Tulsa/Wagoner Co.",
    "Other Counties"};
constexpr std::string_view kUsaOR[] = {
    "Benton County",      "Clackamas County",   "Clatsop/Coos Co.",    "Deschutes/Douglas",
    "Jackson/Josephine",  "Klamath/Lane Co.",   "Lincoln/Linn/Marion", "Multnomah/Polk Co.",
    "Tillamook/Umatilla", "Washington/Yamhill", "Other Counties"};
constexpr std::string_view kUsaPA[] = {
    "Adams County",        "Allegheny County",   "Armstrong/Beaver",      "Bedford/Berks/Blair",
    "Bucks/Butler County", "Cambria/Carbon",     "Centre/Chester Co.",    "Clarion/Clearfield",
    "Columbia/Crawford",   "Cumberland/Dauphin", "Delaware/Elk/Erie",     "Fayette/Franklin Co.",
    "Greene/Huntingdon",   "Indiana/Jefferson",  "Lackawanna County",     "Lancaster/Lawrence",
    "Lebanon/Lehigh Co.",  "Luzerne/Mc Kean",    "Mercer/Monroe Co.",     "Montgomery County",
    "Montour/Northampton", "Northumberland Co.", "Philadelphia/Pike Co.", "Schuylkill County",
    "Snyder/Somerset",     "Susquehanna/Tioga",  "Venango/Warren",        "Washington/Wayne",
    "Westmoreland Co.",    "Wyoming/York Co.",   "Other Counties"};
constexpr std::string_view kUsaRI[] = {"Bristol/Kent County", "Newport/Providence",
                                       "Washington County"};
constexpr std::string_view kUsaSC[] = {
    "Aiken/Anderson Co.",   "Barnwell County",      "Beaufort County",     "Berkeley/Charleston",
    "Chesterfield County",  "Clarendon/Darlington", "Dorchester/Florence", "Georgetown County",
    "Greenville/Greenwood", "Horry Count/Kershaw",  "Laurens/Lexington",   "Mc Cormick/Oconee",
    "Orangeburg/Pickens",   "Richland/Spartanburg", "Sumter/York County",  "Other Counties"};
constexpr std::string_view kUsaSD[] = {"Bon Homme County", "Brookings/Brown",  "Lawrence/Lincoln",
                                       "Meade/Minnehaha",  "Pennington/Union", "Other Counties"};
constexpr std::string_view kUsaTN[] = {
    "Anderson/Blount",     "Bradley/Carter Co.", "Coffee/Cumberland",   "Davidson/Dickson",
    "Dyer/Franklin Co.",   "Gibson/Greene Co.",  "Hamblen/Hamilton",    "Hardin/Hawkins Co.",
    "Henry/Jefferson Co.", "Knox/Loudon County", "Mc Minn/Madison Co.", "Marshall/Montgomery",
    "Obion/Putnam Co.",    "Roane/Robertson",    "Rutherford/Sevier",   "Shelby/Sullivan Co.",
    "Sumner/Williamson",   "Other Counties"};
constexpr std::string_view kUsaTX[] = {
    "Angelina/Archer/Austin", "Bastrop/Bee/Bell Co.", "Bexar County",
    "Brazoria/Brazos Co.",    "Burnet/Cameron Co.",   "Chambers/Cherokee",
    "Collin/Colorado/Cooke",  "Dallas County",        "Denton/Eastland/Ector",
    "Ellis/El Paso/Erath",    "Fort Bend/Franklin",   "Galveston/Gray Co.",
    "Grayson/Gregg Co.",      "Guadalupe/Hardin",     "Harris County",
    "Harrison/Hays Co.",      "Henderson/Hidalgo",    "Hill/Hood/Hunt Co.",
    "Jefferson/Jim Hogg",     "Johnson/Kaufman",      "Lamar/Llano County",
    "Lubbock/Mc Lennan",      "Matagorda/Medina",     "Midland/Montague",
    "Montgomery/Nueces",      "Orange/Palo Pinto",    "Parker/Potter/Randall",
    "Rockwall/Smith Co.",     "Tarrant County",       "Taylor/Tom Green",
    "Travis/Upshur Co.",      "Victoria/Walker Co.",  "Wharton/Wichita Co.",
    "Williamson County",      "Wise County",          "Other Counties"};
constexpr std::string_view kUsaUT[] = {"Box Elder/Cache Co.", "Davis/Salt Lake Co.",
                                       "Summit/Tooele Co.",   "Utah/Washington Co.",
                                       "Weber County",        "Other Counties"};
constexpr std::string_view kUsaVT[] = {"Bennington/Chittenden", "Franklin/Lamoille Co.",
                                       "Orange/Orleans Co.",    "Rutland/Washington",
                                       "Windham/Windsor",       "Other Counties"};
constexpr std::string_view kUsaVA[] = {
    "Accomack/Albemarle",   "Alleghany/Arlington", "Bedford/Botetourt",    "Brunswick/Campbell",
    "Caroline/Carroll Co.", "Charles City County", "Chesapeake City",      "Chesterfield County",
    "Clarke/Culpeper",      "Fairfax County",      "Floyd/Fluvanna Co.",   "Franklin/Frederick",
    "Goochland/Hanover",    "Henrico/Henry Co.",   "James City County",    "Lancaster/Lee Co.",
    "Loudoun/Lunenburg",    "Montgomery/Orange",   "Pittsylvania County",  "Prince George Co.",
    "Prince William Co.",   "Roanoke/Rockingham",  "Scott/Smyth/Stafford", "Suffolk City/Tazewell",
    "Virginia Beach City",  "Washington/York",     "Other Counties"};
constexpr std::string_view kUsaWA[] = {
    "Adams/Asotin/Benton",  "Chelan/Clallam/Clark", "Cowlitz/Douglas Co.",  "Grant/Grays Harbor",
    "Island/Jefferson Co.", "King County",          "Kitsap/Lewis/Lincoln", "Mason/Okanogan",
    "Pacific/Pierce Co.",   "San Juan/Skagit Co.",  "Skamania/Snohomish",   "Spokane/Thurston",
    "Whatcom County",       "Whitman/Yakima",       "Other Counties"};
constexpr std::string_view kUsaWV[] = {
    "Berkeley/Cabell Co.", "Fayette/Greenbrier", "Hancock/Harrison", "Jefferson/Kanawha",
    "Marion/Monongalia",   "Raleigh/Wood Co.",   "Other Counties"};
constexpr std::string_view kUsaWI[] = {
    "Adams/Ashland Co.", "Barron/Bayfield Co.", "Brown/Burnett Co.",   "Calumet/Chippewa",
    "Columbia/Dane Co.", "Dodge/Door/Douglas",  "Dunn/Eau Claire Co.", "Fond du Lac/Grant",
    "Green/Green Lake",  "Iowa/Jefferson Co.",  "Juneau/Kenosha Co.",  "La Crosse/Langlade",
    "Lincoln/Manitowoc", "Marathon/Marinette",  "Milwaukee/Monroe",    "Oconto/Oneida Co.",
    "Outagamie/Ozaukee", "Pierce/Polk/Portage", "Price/Racine/Rock",   "St. Croix/Sauk Co.",
    "Sawyer/Shawano",    "Sheboygan County",    "Trempealeau/Vilas",   "Walworth/Washburn",
    "Washington County", "Waukesha County",     "Waupaca County",      "Winnebago/Wood",
    "Other Counties"};
constexpr std::string_view kUsaWY[] = {"Carbon/Crook Co.", "Fremont/Laramie", "Lincoln/Natrona Co.",
                                       "Sheridan County", "Other Counties"};

}  // namespace

// English name, Korean name, code, sub-areas, their count, zone, region number.
constexpr std::array<RegionRow, 51> UsaRegions = {{
    {"Alabama", "알라바마", "AL", kUsaAL, 19, 9, 1},
    {"Alaska", "알래스카", "AK", kUsaAK, 1, 19, 2},
    {"Arizona", "애리조나", "AZ", kUsaAZ, 7, 17, 3},
    {"Arkansas", "아칸사스", "AR", kUsaAR, 10, 16, 4},
    {"California", "캘리포니아", "CA", kUsaCA, 33, 5, 5},
    {"Colorado", "콜로라도", "CO", kUsaCO, 12, 17, 6},
    {"Connecticut", "코네티컷", "CT", kUsaCT, 8, 15, 7},
    {"Delaware", "델라웨어", "DE", kUsaDE, 3, 8, 8},
    {"Dist. of Columbia", "워싱턴DC", "DC", kUsaDC, 1, 7, 9},
    {"Florida", "플로리다", "FL", kUsaFL, 33, 10, 10},
    {"Georgia", "죠지아", "GA", kUsaGA, 23, 9, 11},
    {"Hawaii", "하와이", "HI", kUsaHI, 5, 19, 12},
    {"Idaho", "아이다호", "ID", kUsaID, 6, 14, 13},
    {"Illinois", "일리노이", "IL", kUsaIL, 31, 6, 14},
    {"Indiana", "인디애나", "IN", kUsaIN, 25, 13, 15},
    {"Iowa", "아이와", "IA", kUsaIA, 31, 6, 16},
    {"Kansas", "캔사스", "KS", kUsaKS, 14, 17, 17},
    {"Kentucky", "켄터키", "KY", kUsaKY, 18, 19, 18},
    {"Louisiana", "루이지애나", "LA", kUsaLA, 13, 16, 19},
    {"Maine", "메인", "ME", kUsaME, 8, 19, 20},
    {"Maryland", "메릴랜드", "MD", kUsaMD, 14, 7, 21},
    {"Massachusetts", "매사츄세츠", "MA", kUsaMA, 11, 19, 22},
    {"Michigan", "미시건", "MI", kUsaMI, 35, 11, 23},
    {"Minnesota", "미네소타", "MN", kUsaMN, 28, 12, 24},
    {"Mississippi", "미시시피", "MS", kUsaMS, 10, 16, 25},
    {"Missouri", "미져리", "MO", kUsaMO, 20, 16, 26},
    {"Montana", "몬태나", "MT", kUsaMT, 6, 14, 27},
    {"Nebraska", "네브래스카", "NE", kUsaNE, 8, 17, 28},
    {"Nevada", "네바다", "NV", kUsaNV, 6, 5, 29},
    {"New Hampshire", "뉴햄프셔", "NH", kUsaNH, 6, 19, 30},
    {"New Jersey", "뉴져지", "NJ", kUsaNJ, 12, 8, 31},
    {"New Mexico", "뉴멕시코", "NM", kUsaNM, 6, 17, 32},
    {"New York", "뉴욕", "NY", kUsaNY, 32, 15, 33},
    {"North Carolina", "노스캐롤라이나", "NC", kUsaNC, 32, 7, 34},
    {"North Dakota", "노스다코타", "ND", kUsaND, 7, 14, 35},
    {"Ohio", "오하이오", "OH", kUsaOH, 35, 13, 36},
    {"Oklahoma", "오클라호마", "OK", kUsaOK, 13, 18, 37},
    {"Oregon", "오리건", "OR", kUsaOR, 11, 14, 38},
    {"Pennsylvania", "펜실베이니아", "PA", kUsaPA, 31, 8, 39},
    {"Rhode Island", "로드아일랜드", "RI", kUsaRI, 3, 19, 40},
    {"South Carolina", "사우스캐롤라이나", "SC", kUsaSC, 16, 9, 41},
    {"South Dakota", "사우스다코타", "SD", kUsaSD, 6, 14, 42},
    {"Tennessee", "테네시", "TN", kUsaTN, 18, 16, 43},
    {"Texas", "텍사스", "TX", kUsaTX, 36, 18, 44},
    {"Utah", "유타", "UT", kUsaUT, 6, 17, 45},
    {"Vermont", "버몬트", "VT", kUsaVT, 6, 19, 46},
    {"Virginia", "버지니아", "VA", kUsaVA, 27, 7, 47},
    {"Washington", "워싱턴", "WA", kUsaWA, 15, 14, 48},
    {"West Virginia", "웨스트버지니아", "WV", kUsaWV, 7, 7, 49},
    {"Wisconsin", "위스콘신", "WI", kUsaWI, 29, 12, 50},
    {"Wyoming", "와이오밍", "WY", kUsaWY, 5, 14, 51},
}};
static_assert(RowsAgree(UsaRegions));

}  // namespace orvane::area_data
